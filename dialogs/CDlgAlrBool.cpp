#include "CDlgAlrBool.h"

#include <OrvikClasses.h>

namespace {

const int kHeadings[] = {IDC_HEAD_BOOL_MESSAGE, IDC_HEAD_GROUP, IDC_HEAD_PRIORITY, IDC_HEAD_SELECTION};

// The texts' fields in the host's record hold this many characters and a terminating zero.
constexpr int kDisplayTextMaxChars = 32;

void CopyToField(const CString& text, WCHAR (&field)[kDisplayTextMaxChars + 1]) {
  const int length = text.GetLength() < kDisplayTextMaxChars ? text.GetLength() : kDisplayTextMaxChars;
  for (int i = 0; i < length; ++i) field[i] = text[i];
  field[length] = 0;
}

}  // namespace

// The rows are saved On, Off, Changed, though the page shows Off above On. They reuse the codes of
// the numeric rows Hi, Lo and Rate.
CDlgAlrBool::CDlgAlrBool(LPCTSTR tagName, int elementIndexField, CWnd* /*pParent*/)
    : CDlgAlrBase(IDD, tagName, elementIndexField),
      m_rows{
          {AlarmTypeRecord::kHi, IDC_ON_ENABLED, &m_bOnEnabled, &m_strOnMessage, &m_strOnSelection, &m_nOnGroup,
           &m_nOnPriority, nullptr, nullptr, {IDC_ON_MESSAGE, IDC_ON_GROUP, IDC_ON_PRIORITY, IDC_ON_SELECTION}},
          {AlarmTypeRecord::kLo, IDC_OFF_ENABLED, &m_bOffEnabled, &m_strOffMessage, &m_strOffSelection, &m_nOffGroup,
           &m_nOffPriority, nullptr, nullptr, {IDC_OFF_MESSAGE, IDC_OFF_GROUP, IDC_OFF_PRIORITY, IDC_OFF_SELECTION}},
          {AlarmTypeRecord::kRate, IDC_CHANGED_ENABLED, &m_bChangedEnabled, &m_strChangedMessage,
           &m_strChangedSelection, &m_nChangedGroup, &m_nChangedPriority, nullptr, nullptr,
           {IDC_CHANGED_MESSAGE, IDC_CHANGED_GROUP, IDC_CHANGED_PRIORITY, IDC_CHANGED_SELECTION}},
      } {
  ResetAlarmFields();
}

CDlgAlrBool::~CDlgAlrBool() = default;

// Each row's handler names the row by its place in the row table.
BEGIN_MESSAGE_MAP(CDlgAlrBool, CDlgAlrBase)
  ON_BN_CLICKED(IDC_ON_ENABLED, &CDlgAlrBool::OnRowClicked<0>)
  ON_BN_CLICKED(IDC_OFF_ENABLED, &CDlgAlrBool::OnRowClicked<1>)
  ON_BN_CLICKED(IDC_CHANGED_ENABLED, &CDlgAlrBool::OnRowClicked<2>)
END_MESSAGE_MAP()

// The order decides which members a refused value leaves untouched: the exchange stops there.
void CDlgAlrBool::DoDataExchange(CDataExchange* pDX) {
  CDlgAlrBase::DoDataExchange(pDX);
  DDX_Check(pDX, IDC_CHANGED_ENABLED, m_bChangedEnabled);
  DDX_Priority(pDX, IDC_CHANGED_PRIORITY, m_nChangedPriority);

  DDX_Check(pDX, IDC_ALARMS_ENABLED, m_bAlarmsEnabled);
  DDX_Check(pDX, IDC_OFF_ENABLED, m_bOffEnabled);
  DDX_Priority(pDX, IDC_OFF_PRIORITY, m_nOffPriority);
  DDX_Check(pDX, IDC_ON_ENABLED, m_bOnEnabled);
  DDX_Priority(pDX, IDC_ON_PRIORITY, m_nOnPriority);

  DDX_Check(pDX, IDC_TRANSLATION_ENABLED, m_bTranslationEnabled);
  DDX_Text(pDX, IDC_ALR_ARRAY_INDEX, m_nElementIndex);
  DDV_MinMaxInt(pDX, m_nElementIndex, 0, m_nMaxElementIndex);

  DDX_Group(pDX, IDC_CHANGED_GROUP, m_nChangedGroup);
  DDX_Group(pDX, IDC_ON_GROUP, m_nOnGroup);
  DDX_Group(pDX, IDC_OFF_GROUP, m_nOffGroup);

  DDX_LimitedText(pDX, IDC_CHANGED_MESSAGE, m_strChangedMessage, kMessageMaxChars);
  DDX_LimitedText(pDX, IDC_OFF_MESSAGE, m_strOffMessage, kMessageMaxChars);
  DDX_LimitedText(pDX, IDC_ON_MESSAGE, m_strOnMessage, kMessageMaxChars);

  DDX_Text(pDX, IDC_REMOTE_ACK_TAG, m_strRemoteAckTag);
  DDV_TagName(pDX, m_strRemoteAckTag);

  DDX_LimitedText(pDX, IDC_ON_SELECTION, m_strOnSelection, kSelectionMaxChars);
  DDX_LimitedText(pDX, IDC_OFF_SELECTION, m_strOffSelection, kSelectionMaxChars);
  DDX_LimitedText(pDX, IDC_CHANGED_SELECTION, m_strChangedSelection, kSelectionMaxChars);

  DDX_LimitedText(pDX, IDC_OFF_TEXT, m_strOffText, kDisplayTextMaxChars);
  DDX_LimitedText(pDX, IDC_ON_TEXT, m_strOnText, kDisplayTextMaxChars);
  DDX_LimitedText(pDX, IDC_ACK_TEXT, m_strAckText, kDisplayTextMaxChars);
}

// The base initialisation shows the constructor's defaults first; the element is found after it.
BOOL CDlgAlrBool::OnInitDialog() {
  CDlgAlrBase::OnInitDialog();
  if (!SetUpElement())
    return FALSE;
  ShowElement();
  return TRUE;
}

std::span<const AlarmRow> CDlgAlrBool::Rows() const { return m_rows; }

std::span<const int> CDlgAlrBool::Headings() const { return kHeadings; }

void CDlgAlrBool::ResetAlarmFields() {
  for (const AlarmRow& row : m_rows) {
    *row.enabled = FALSE;
    row.message->Empty();
    *row.priority = 0;
    row.selection->Empty();
    *row.group = 0;
  }
  // A new Changed alarm starts in group 1, the Off and On alarms in none.
  m_nChangedGroup = 1;
}

void CDlgAlrBool::LoadInfoFields(const AlarmInfoRecord& info) {
  m_strOnText = FieldText(info.szOnText, kDisplayTextMaxChars + 1);
  m_strOffText = FieldText(info.szOffText, kDisplayTextMaxChars + 1);
  m_strAckText = FieldText(info.szAckText, kDisplayTextMaxChars + 1);
}

void CDlgAlrBool::SaveInfoFields(VarRecord& /*record*/, AlarmInfoRecord& info) {
  CopyToField(m_strOffText, info.szOffText);
  CopyToField(m_strOnText, info.szOnText);
  CopyToField(m_strAckText, info.szAckText);
}
