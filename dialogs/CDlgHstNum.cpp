#include "CDlgHstNum.h"

#include "resource.h"

CDlgHstNum::CDlgHstNum(LPCTSTR tagName, int elementIndexField, CWnd* /*pParent*/)
    : CDlgHstBase(IDD_HST_NUM, tagName, elementIndexField), m_dLogDeadBand(0.0) {}

CDlgHstNum::~CDlgHstNum() = default;

void CDlgHstNum::DoDataExchange(CDataExchange* pDX) {
  CDlgHstBase::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_LOG_DEAD_BAND, m_dLogDeadBand);
  DDX_Text(pDX, IDC_HISTORY_GROUP, m_nHistoryGroup);
  DDV_MinMaxInt(pDX, m_nHistoryGroup, 1, 255);
  DDX_Check(pDX, IDC_HISTORY_ENABLED, m_bHistoryEnabled);
  DDX_Text(pDX, IDC_HST_ARRAY_INDEX, m_nArrayIndex);
  DDV_MinMaxInt(pDX, m_nArrayIndex, 0, m_nArraySize);
}

// The base initialisation runs once: running it again before the first load would only repeat the
// transfer to the controls that LoadHistoryConfig makes.
BOOL CDlgHstNum::OnInitDialog() {
  CDlgHstBase::OnInitDialog();
  VarRef ref{};
  if (!DBGetVar(&ref, m_strTagName))
    return FALSE;
  return ShowFirstElement(ref);
}

void CDlgHstNum::LoadElementFields(const VarRecord& record) { m_dLogDeadBand = record.dLogDeadBand; }

void CDlgHstNum::SaveElementFields(VarRecord& record) const { record.dLogDeadBand = m_dLogDeadBand; }
