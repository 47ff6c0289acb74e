#include "CDlgHstBool.h"

#include "resource.h"

CDlgHstBool::CDlgHstBool(LPCTSTR tagName, int elementIndexField, CWnd* /*pParent*/)
    : CDlgHstBase(IDD_HST_BOOL, tagName, elementIndexField) {}

CDlgHstBool::~CDlgHstBool() = default;

void CDlgHstBool::DoDataExchange(CDataExchange* pDX) {
  CDlgHstBase::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_HISTORY_GROUP, m_nHistoryGroup);
  DDV_MinMaxInt(pDX, m_nHistoryGroup, 1, 255);
  DDX_Check(pDX, IDC_HISTORY_ENABLED, m_bHistoryEnabled);
  DDX_Text(pDX, IDC_HST_ARRAY_INDEX, m_nArrayIndex);
  DDV_MinMaxInt(pDX, m_nArrayIndex, 0, m_nArraySize);
}

// This page takes the range of the Array Index field from the tag's size as the host reports it
// when the window is created.
BOOL CDlgHstBool::OnInitDialog() {
  CDlgHstBase::OnInitDialog();
  VarRef ref{};
  if (!DBGetVar(&ref, m_strTagName))
    return FALSE;
  DBGetTagSize(ref.tagNumber, &m_nArraySize);
  return ShowFirstElement(ref);
}
