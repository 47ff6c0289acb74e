#include "CDlgHstBase.h"

#include <algorithm>

#include "DisableAllChildControls.h"
#include "resource.h"

CDlgHstBase::CDlgHstBase(UINT templateId, LPCTSTR tagName, int elementIndexField)
    : CQELPropertyPage(templateId, 0),
      m_nHistoryGroup(1),
      m_bHistoryEnabled(FALSE),
      m_nArrayIndex(0),
      m_strTagName(tagName),
      m_nArraySize(0),
      m_nElementIndexField(elementIndexField) {
  VarRef ref{};
  TagDefRecord* definition = nullptr;
  if (DBGetVar(&ref, m_strTagName) && OVFindVar(&ref, &definition, nullptr, 1) && definition != nullptr)
    m_nArraySize = static_cast<int>(definition->Get<TagDefRecord::ArraySize>());
}

CDlgHstBase::~CDlgHstBase() = default;

BEGIN_MESSAGE_MAP(CDlgHstBase, CQELPropertyPage)
  ON_EN_CHANGE(IDC_HST_ARRAY_INDEX, &CDlgHstBase::OnArrayIndexChange)
END_MESSAGE_MAP()

void CDlgHstBase::DoDataExchange(CDataExchange* pDX) {
  CQELPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_HST_ARRAY_INDEX, m_edArrayIndex);
}

BOOL CDlgHstBase::ShowFirstElement(const VarRef& ref) {
  if (ref.tagNumber <= OVGetInternalCount())
    DisableAllChildControls(m_hWnd);
  if (m_nArraySize != 0) {
    m_nArrayIndex = -m_nElementIndexField;
  } else {
    m_nArrayIndex = 0;
    m_edArrayIndex.ShowWindow(SW_HIDE);
    GetDlgItem(IDC_ARRAY_INDEX_LABEL)->ShowWindow(SW_HIDE);
  }
  LoadHistoryConfig();
  return TRUE;
}

void CDlgHstBase::LoadHistoryConfig() {
  VarRef ref{};
  VarRecord* record = nullptr;
  if (!FindElement(m_nArrayIndex, ref, record))
    return;
  m_nHistoryGroup = 1;
  m_bHistoryEnabled = FALSE;
  if (record != nullptr && IsElement(m_nArrayIndex)) {
    m_bHistoryEnabled = static_cast<BOOL>(record->Get<VarRecord::HistoryEnabled>());
    LoadElementFields(*record);
    // Groups start at 1: a stored 0 means none was ever chosen.
    m_nHistoryGroup = std::max(1, static_cast<int>(record->Get<VarRecord::HistoryGroup>()));
  }
  UpdateData(FALSE);
}

int CDlgHstBase::SaveHistoryConfig() {
  // The controls show the element loaded last; the exchange may take a new index from the field.
  const int shown = m_nArrayIndex;
  if (!UpdateData(TRUE))
    return 0;
  VarRef ref{};
  VarRecord* record = nullptr;
  if (!IsElement(shown) || !FindElement(shown, ref, record) || record == nullptr)
    return 1;
  record->Set<VarRecord::HistoryEnabled>(m_bHistoryEnabled ? 1u : 0u);
  SaveElementFields(*record);
  record->Set<VarRecord::HistoryGroup>(static_cast<DWORD>(std::max(1, m_nHistoryGroup)));
  DBSaveHstConfig(&ref);
  DBSaveTagLModified(0);
  return 1;
}

void CDlgHstBase::OnOK() {
  if (SaveHistoryConfig())
    CQELPropertyPage::OnOK();
}

void CDlgHstBase::OnArrayIndexChange() {
  // An emptied field is the user on the way to a new index, not a request for element 0.
  CString text;
  m_edArrayIndex.GetWindowText(text);
  if (text.IsEmpty())
    return;
  if (SaveHistoryConfig())
    LoadHistoryConfig();
}

void CDlgHstBase::LoadElementFields(const VarRecord&) {}

void CDlgHstBase::SaveElementFields(VarRecord&) const {}

// A refused entry can leave an index outside 0 to the array size in the member; no element of the
// tag has it, so nothing is read from or written to the host for it.
bool CDlgHstBase::IsElement(int index) const { return index >= 0 && index <= m_nArraySize; }

BOOL CDlgHstBase::FindElement(int index, VarRef& ref, VarRecord*& record) const {
  if (!DBGetVar(&ref, m_strTagName))
    return FALSE;
  ref.SetElement(index);
  return OVFindVar(&ref, nullptr, &record, 1);
}
