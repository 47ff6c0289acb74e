#include "CDlgAlrBase.h"

#include <algorithm>

#include <tchar.h>

#include "DisableAllChildControls.h"
#include "resource.h"

namespace {

// The background task that reloads an element's alarms, and the message that tells it to.
constexpr UINT kAlarmConfigChanged = 0x551;

}  // namespace

CDlgAlrBase::CDlgAlrBase(UINT templateId, LPCTSTR tagName, int elementIndexField)
    : CQELPropertyPage(templateId, 0),
      m_bAlarmsEnabled(FALSE),
      m_nElementIndex(0),
      m_bTranslationEnabled(TRUE),
      m_strTagName(tagName),
      m_nMaxElementIndex(0),
      m_nElementIndexArg(elementIndexField) {
  VarRef ref{};
  TagDefRecord* definition = nullptr;
  if (DBGetVar(&ref, m_strTagName) && OVFindVar(&ref, &definition, nullptr, 1) && definition != nullptr)
    m_nMaxElementIndex = static_cast<int>(definition->Get<TagDefRecord::ArraySize>());
}

CDlgAlrBase::~CDlgAlrBase() = default;

BEGIN_MESSAGE_MAP(CDlgAlrBase, CQELPropertyPage)
  ON_EN_CHANGE(IDC_ALR_ARRAY_INDEX, &CDlgAlrBase::OnArrayIndexChange)
  ON_BN_CLICKED(IDC_TRANSLATION_ENABLED, &CDlgAlrBase::OnTranslationClicked)
END_MESSAGE_MAP()

BOOL CDlgAlrBase::SetUpElement() {
  VarRef ref{};
  if (!DBGetVar(&ref, m_strTagName))
    return FALSE;
  DBGetTagSize(ref.tagNumber, &m_nMaxElementIndex);
  if (ref.tagNumber <= OVGetInternalCount())
    DisableAllChildControls(m_hWnd);
  if (m_nMaxElementIndex == 0) {
    m_nElementIndex = 0;
    GetDlgItem(IDC_ARRAY_INDEX_LABEL)->ShowWindow(SW_HIDE);
    GetDlgItem(IDC_ALR_ARRAY_INDEX)->ShowWindow(SW_HIDE);
  } else {
    m_nElementIndex = -m_nElementIndexArg;
  }
  return TRUE;
}

void CDlgAlrBase::ShowElement() {
  LoadAlarmConfig();
  UpdateRowVisibility();
}

void CDlgAlrBase::LoadAlarmConfig() {
  VarRef ref{};
  VarRecord* record = nullptr;
  if (!FindElement(m_nElementIndex, ref, record))
    return;
  m_bAlarmsEnabled = FALSE;
  m_strRemoteAckTag.Empty();
  m_bTranslationEnabled = TRUE;
  ResetAlarmFields();
  const AlarmInfoRecord* info = record->pAlarmInfo;
  if (info != nullptr && IsElement(m_nElementIndex)) {
    m_bAlarmsEnabled = static_cast<BOOL>(info->Get<AlarmInfoRecord::AlarmsEnabled>());
    m_strRemoteAckTag = info->remoteAck.GetText();
    m_bTranslationEnabled = static_cast<BOOL>(info->Get<AlarmInfoRecord::TranslationEnabled>());
    LoadInfoFields(*info);
    const DWORD count = info->Get<AlarmInfoRecord::TypeCount>();
    for (DWORD i = 0; i < count && info->pTypes != nullptr; ++i)
      LoadTypeFields(info->pTypes[i]);
  }
  UpdateData(FALSE);
}

void CDlgAlrBase::LoadTypeFields(const AlarmTypeRecord& type) {
  const DWORD code = type.Get<AlarmTypeRecord::TypeCode>();
  const auto rows = Rows();
  const auto row = std::find_if(rows.begin(), rows.end(), [code](const AlarmRow& r) { return r.code == code; });
  if (row == rows.end())
    return;
  *row->enabled = TRUE;
  *row->message = type.message.GetText();
  *row->group = static_cast<int>(type.Get<AlarmTypeRecord::Group>());
  *row->selection = FieldText(type.szSelection, static_cast<int>(std::size(type.szSelection)));
  *row->priority = static_cast<int>(type.Get<AlarmTypeRecord::Priority>());
  if (row->limit != nullptr)
    *row->limit = type.dLimit;
  if (row->rateUnit != nullptr)
    *row->rateUnit = static_cast<int>(type.Get<AlarmTypeRecord::RateUnit>());
}

BOOL CDlgAlrBase::SaveAlarmConfig() {
  // The controls show the element loaded last; the exchange may take a new index from the field.
  const int shown = m_nElementIndex;
  if (!UpdateData(TRUE))
    return FALSE;
  VarRef ref{};
  VarRecord* record = nullptr;
  if (!IsElement(shown) || !FindElement(shown, ref, record))
    return TRUE;
  AlarmInfoRecord* info = OVAddAlrInfo(record);
  if (info == nullptr)
    return TRUE;
  info->Set<AlarmInfoRecord::AlarmsEnabled>(m_bAlarmsEnabled ? 1u : 0u);
  OVSetAlrRemoteAck(record, m_strRemoteAckTag);
  info->Set<AlarmInfoRecord::TranslationEnabled>(m_bTranslationEnabled ? 1u : 0u);
  SaveInfoFields(*record, *info);
  for (const AlarmRow& row : Rows())
    SaveRow(*record, row);
  DBSaveAlrConfig(&ref);
  DWORD first = 0;
  DWORD second = 0;
  OVMakeCVarParam(&ref, &first, &second);
  OVExePostMessage(_T("BGTASK"), kAlarmConfigChanged, first, second);
  return TRUE;
}

void CDlgAlrBase::SaveRow(VarRecord& record, const AlarmRow& row) const {
  const int code = static_cast<int>(row.code);
  if (!*row.enabled) {
    OVRemoveAlrType(&record, code);
    return;
  }
  AlarmTypeRecord* type = OVAddAlrType(&record, code);
  if (type == nullptr)
    return;
  OVSetAlrTypeMessage(&record, code, *row.message);
  OVSetAlrTypeSelection(&record, code, *row.selection);
  // Groups start at 1: a group of 0 or below means none was chosen.
  type->Set<AlarmTypeRecord::Group>(static_cast<DWORD>(std::max(1, *row.group)));
  type->Set<AlarmTypeRecord::Priority>(static_cast<DWORD>(*row.priority));
  if (row.limit != nullptr)
    type->dLimit = *row.limit;
  if (row.rateUnit != nullptr)
    type->Set<AlarmTypeRecord::RateUnit>(static_cast<DWORD>(*row.rateUnit));
}

void CDlgAlrBase::OnOK() {
  if (SaveAlarmConfig())
    CQELPropertyPage::OnOK();
}

void CDlgAlrBase::OnArrayIndexChange() {
  // An emptied field is the user on the way to a new index, not a request for element 0.
  CString text;
  GetDlgItem(IDC_ALR_ARRAY_INDEX)->GetWindowText(text);
  if (text.IsEmpty())
    return;
  if (SaveAlarmConfig())
    ShowElement();
}

void CDlgAlrBase::OnTranslationClicked() { UpdateData(TRUE); }

void CDlgAlrBase::OnRowCheckClicked(int row) {
  UpdateData(TRUE);
  UpdateRowVisibility();
  if (*Rows()[static_cast<std::size_t>(row)].enabled) {
    m_bAlarmsEnabled = TRUE;
    UpdateData(FALSE);
  }
}

void CDlgAlrBase::UpdateRowVisibility() {
  bool anyChecked = false;
  for (const AlarmRow& row : Rows()) {
    const bool checked = *row.enabled != FALSE;
    anyChecked = anyChecked || checked;
    for (const int id : row.valueIds) {
      if (id != 0)
        GetDlgItem(id)->ShowWindow(checked ? SW_SHOW : SW_HIDE);
    }
  }
  for (const int id : Headings())
    GetDlgItem(id)->ShowWindow(anyChecked ? SW_SHOW : SW_HIDE);
}

CString CDlgAlrBase::FieldText(const WCHAR* field, int capacity) {
  int length = 0;
  while (length < capacity && field[length] != 0) ++length;
  return CString(field, length);
}

void CDlgAlrBase::DDX_Priority(CDataExchange* pDX, int nIDC, int& value) {
  DDX_Text(pDX, nIDC, value);
  DDV_MinMaxInt(pDX, value, 0, static_cast<int>(AlarmTypeRecord::Priority::Get(0xFFFFFFFFu)));
}

void CDlgAlrBase::DDX_Group(CDataExchange* pDX, int nIDC, int& value) {
  DDX_Text(pDX, nIDC, value);
  if (!pDX->m_bSaveAndValidate || value <= static_cast<int>(AlarmTypeRecord::Group::Get(0xFFFFFFFFu)))
    return;
  AfxMessageBox(IDS_ALARM_GROUP_TOO_HIGH, MB_ICONEXCLAMATION);
  pDX->Fail();
}

void CDlgAlrBase::DDX_LimitedText(CDataExchange* pDX, int nIDC, CString& value, int maxChars) {
  DDX_Text(pDX, nIDC, value);
  DDV_MaxChars(pDX, value, maxChars);
}

// A refused entry can leave an index outside 0 to the array size in the member, below 0 as well
// as above; no element of the tag has it, so nothing is read from or written to the host for it.
bool CDlgAlrBase::IsElement(int index) const { return index >= 0 && index <= m_nMaxElementIndex; }

BOOL CDlgAlrBase::FindElement(int index, VarRef& ref, VarRecord*& record) const {
  if (!DBGetVar(&ref, m_strTagName))
    return FALSE;
  ref.SetElement(index);
  return OVFindVar(&ref, nullptr, &record, 1) && record != nullptr;
}
