#include "CDlgAlrNum.h"

#include <OrvikClasses.h>

namespace {

const int kHeadings[] = {IDC_HEAD_LIMIT, IDC_HEAD_MESSAGE, IDC_HEAD_GROUP, IDC_HEAD_PRIORITY, IDC_HEAD_SELECTION};

// The rate unit's items, in the order of the unit's values in the host's record.
const UINT kRateUnits[] = {IDS_RATE_PER_SECOND, IDS_RATE_PER_MINUTE, IDS_RATE_PER_HOUR};

}  // namespace

CDlgAlrNum::CDlgAlrNum(LPCTSTR tagName, int elementIndexField, CWnd* /*pParent*/)
    : CDlgAlrBase(IDD, tagName, elementIndexField),
      m_rows{
          {AlarmTypeRecord::kHiHi, IDC_HIHI_ENABLED, &m_bHiHiEnabled, &m_strHiHiMessage, &m_strHiHiSelection,
           &m_nHiHiGroup, &m_nHiHiPriority, &m_dHiHiLimit, nullptr,
           {IDC_HIHI_LIMIT, IDC_HIHI_MESSAGE, IDC_HIHI_GROUP, IDC_HIHI_PRIORITY, IDC_HIHI_SELECTION}},
          {AlarmTypeRecord::kHi, IDC_HI_ENABLED, &m_bHiEnabled, &m_strHiMessage, &m_strHiSelection, &m_nHiGroup,
           &m_nHiPriority, &m_dHiLimit, nullptr,
           {IDC_HI_LIMIT, IDC_HI_MESSAGE, IDC_HI_GROUP, IDC_HI_PRIORITY, IDC_HI_SELECTION}},
          {AlarmTypeRecord::kLo, IDC_LO_ENABLED, &m_bLoEnabled, &m_strLoMessage, &m_strLoSelection, &m_nLoGroup,
           &m_nLoPriority, &m_dLoLimit, nullptr,
           {IDC_LO_LIMIT, IDC_LO_MESSAGE, IDC_LO_GROUP, IDC_LO_PRIORITY, IDC_LO_SELECTION}},
          {AlarmTypeRecord::kLoLo, IDC_LOLO_ENABLED, &m_bLoLoEnabled, &m_strLoLoMessage, &m_strLoLoSelection,
           &m_nLoLoGroup, &m_nLoLoPriority, &m_dLoLoLimit, nullptr,
           {IDC_LOLO_LIMIT, IDC_LOLO_MESSAGE, IDC_LOLO_GROUP, IDC_LOLO_PRIORITY, IDC_LOLO_SELECTION}},
          {AlarmTypeRecord::kRate, IDC_RATE_ENABLED, &m_bRateEnabled, &m_strRateMessage, &m_strRateSelection,
           &m_nRateGroup, &m_nRatePriority, &m_dRateLimit, &m_nRateUnit,
           {IDC_RATE_LIMIT, IDC_RATE_UNIT, IDC_RATE_MESSAGE, IDC_RATE_GROUP, IDC_RATE_PRIORITY, IDC_RATE_SELECTION}},
          {AlarmTypeRecord::kDeviationPlus, IDC_DEVP_ENABLED, &m_bDevPlusEnabled, &m_strDevPlusMessage,
           &m_strDevPlusSelection, &m_nDevPlusGroup, &m_nDevPlusPriority, &m_dDevPlusLimit, nullptr,
           {IDC_DEVP_LIMIT, IDC_DEVP_MESSAGE, IDC_DEVP_GROUP, IDC_DEVP_PRIORITY, IDC_DEVP_SELECTION}},
          {AlarmTypeRecord::kDeviationMinus, IDC_DEVM_ENABLED, &m_bDevMinusEnabled, &m_strDevMinusMessage,
           &m_strDevMinusSelection, &m_nDevMinusGroup, &m_nDevMinusPriority, &m_dDevMinusLimit, nullptr,
           {IDC_DEVM_LIMIT, IDC_DEVM_MESSAGE, IDC_DEVM_GROUP, IDC_DEVM_PRIORITY, IDC_DEVM_SELECTION}},
      } {
  ResetAlarmFields();
}

CDlgAlrNum::~CDlgAlrNum() = default;

// Each row's handler names the row by its place in the row table.
BEGIN_MESSAGE_MAP(CDlgAlrNum, CDlgAlrBase)
  ON_BN_CLICKED(IDC_HIHI_ENABLED, &CDlgAlrNum::OnRowClicked<0>)
  ON_BN_CLICKED(IDC_HI_ENABLED, &CDlgAlrNum::OnRowClicked<1>)
  ON_BN_CLICKED(IDC_LO_ENABLED, &CDlgAlrNum::OnRowClicked<2>)
  ON_BN_CLICKED(IDC_LOLO_ENABLED, &CDlgAlrNum::OnRowClicked<3>)
  ON_BN_CLICKED(IDC_RATE_ENABLED, &CDlgAlrNum::OnRowClicked<4>)
  ON_BN_CLICKED(IDC_DEVP_ENABLED, &CDlgAlrNum::OnRowClicked<5>)
  ON_BN_CLICKED(IDC_DEVM_ENABLED, &CDlgAlrNum::OnRowClicked<6>)
END_MESSAGE_MAP()

// The order decides which members a refused value leaves untouched: the exchange stops there.
void CDlgAlrNum::DoDataExchange(CDataExchange* pDX) {
  CDlgAlrBase::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_RATE_UNIT, m_cmbRateUnit);
  DDX_Check(pDX, IDC_DEVM_ENABLED, m_bDevMinusEnabled);
  DDX_Check(pDX, IDC_DEVP_ENABLED, m_bDevPlusEnabled);
  DDX_Check(pDX, IDC_ALARMS_ENABLED, m_bAlarmsEnabled);
  DDX_Check(pDX, IDC_HI_ENABLED, m_bHiEnabled);
  DDX_Check(pDX, IDC_HIHI_ENABLED, m_bHiHiEnabled);

  DDX_Text(pDX, IDC_HIHI_LIMIT, m_dHiHiLimit);
  DDX_Priority(pDX, IDC_HIHI_PRIORITY, m_nHiHiPriority);
  DDX_Text(pDX, IDC_HI_LIMIT, m_dHiLimit);
  DDX_Priority(pDX, IDC_HI_PRIORITY, m_nHiPriority);

  DDX_Check(pDX, IDC_LO_ENABLED, m_bLoEnabled);
  DDX_Text(pDX, IDC_LO_LIMIT, m_dLoLimit);
  DDX_Check(pDX, IDC_LOLO_ENABLED, m_bLoLoEnabled);
  DDX_Text(pDX, IDC_LOLO_LIMIT, m_dLoLoLimit);
  DDX_Priority(pDX, IDC_LOLO_PRIORITY, m_nLoLoPriority);
  DDX_Priority(pDX, IDC_LO_PRIORITY, m_nLoPriority);

  DDX_Check(pDX, IDC_RATE_ENABLED, m_bRateEnabled);
  DDX_Text(pDX, IDC_RATE_LIMIT, m_dRateLimit);
  DDX_Priority(pDX, IDC_RATE_PRIORITY, m_nRatePriority);
  DDX_CBIndex(pDX, IDC_RATE_UNIT, m_nRateUnit);

  DDX_Text(pDX, IDC_ALR_ARRAY_INDEX, m_nElementIndex);
  DDV_MinMaxInt(pDX, m_nElementIndex, 0, m_nMaxElementIndex);

  DDX_Check(pDX, IDC_TRANSLATION_ENABLED, m_bTranslationEnabled);
  DDX_Text(pDX, IDC_ALR_DEAD_BAND, m_dDeadBand);
  DDX_Text(pDX, IDC_DEVIATION_DEAD_BAND, m_dDeviationDeadBand);
  DDX_Text(pDX, IDC_DEVM_LIMIT, m_dDevMinusLimit);
  DDX_Text(pDX, IDC_DEVM_MESSAGE, m_strDevMinusMessage);
  DDX_Priority(pDX, IDC_DEVM_PRIORITY, m_nDevMinusPriority);

  DDX_Group(pDX, IDC_DEVP_GROUP, m_nDevPlusGroup);
  DDX_Text(pDX, IDC_DEVP_LIMIT, m_dDevPlusLimit);
  DDX_Text(pDX, IDC_DEVP_MESSAGE, m_strDevPlusMessage);
  DDX_Priority(pDX, IDC_DEVP_PRIORITY, m_nDevPlusPriority);

  DDX_Group(pDX, IDC_HI_GROUP, m_nHiGroup);
  DDX_Group(pDX, IDC_HIHI_GROUP, m_nHiHiGroup);
  DDX_Group(pDX, IDC_LO_GROUP, m_nLoGroup);
  DDX_Group(pDX, IDC_LOLO_GROUP, m_nLoLoGroup);
  DDX_Group(pDX, IDC_RATE_GROUP, m_nRateGroup);
  DDX_Group(pDX, IDC_DEVM_GROUP, m_nDevMinusGroup);

  DDX_LimitedText(pDX, IDC_HIHI_MESSAGE, m_strHiHiMessage, kMessageMaxChars);
  DDX_LimitedText(pDX, IDC_HI_MESSAGE, m_strHiMessage, kMessageMaxChars);
  DDX_LimitedText(pDX, IDC_LOLO_MESSAGE, m_strLoLoMessage, kMessageMaxChars);
  DDX_LimitedText(pDX, IDC_LO_MESSAGE, m_strLoMessage, kMessageMaxChars);
  DDX_LimitedText(pDX, IDC_RATE_MESSAGE, m_strRateMessage, kMessageMaxChars);

  DDX_LimitedText(pDX, IDC_HIHI_SELECTION, m_strHiHiSelection, kSelectionMaxChars);
  DDX_LimitedText(pDX, IDC_HI_SELECTION, m_strHiSelection, kSelectionMaxChars);
  DDX_LimitedText(pDX, IDC_LOLO_SELECTION, m_strLoLoSelection, kSelectionMaxChars);
  DDX_LimitedText(pDX, IDC_RATE_SELECTION, m_strRateSelection, kSelectionMaxChars);
  DDX_LimitedText(pDX, IDC_LO_SELECTION, m_strLoSelection, kSelectionMaxChars);
  DDX_LimitedText(pDX, IDC_DEVP_SELECTION, m_strDevPlusSelection, kSelectionMaxChars);
  DDX_LimitedText(pDX, IDC_DEVM_SELECTION, m_strDevMinusSelection, kSelectionMaxChars);

  DDX_Text(pDX, IDC_REMOTE_ACK_TAG, m_strRemoteAckTag);
  DDV_TagName(pDX, m_strRemoteAckTag);
  DDX_Text(pDX, IDC_DEVIATION_SETPOINT, m_strDeviationSetpoint);
  DDV_VarVal(pDX, m_strDeviationSetpoint);
}

// The element is found before the base initialisation shows the members, so that the Array Index
// field shows the element from the start.
BOOL CDlgAlrNum::OnInitDialog() {
  if (!SetUpElement())
    return FALSE;
  CDlgAlrBase::OnInitDialog();
  if (GetDlgItem(IDC_RATE_UNIT) != nullptr) {
    for (const UINT id : kRateUnits) {
      CString unit;
      unit.LoadString(id);
      m_cmbRateUnit.AddString(unit);
    }
    m_cmbRateUnit.SetCurSel(m_nRateUnit);
  }
  ShowElement();
  return TRUE;
}

std::span<const AlarmRow> CDlgAlrNum::Rows() const { return m_rows; }

std::span<const int> CDlgAlrNum::Headings() const { return kHeadings; }

void CDlgAlrNum::ResetAlarmFields() {
  for (const AlarmRow& row : m_rows) {
    *row.enabled = FALSE;
    *row.limit = 0.0;
    row.message->Empty();
    *row.priority = 0;
    row.selection->Empty();
    *row.group = 0;
  }
  // Per minute: the unit a new rate alarm is most often given in.
  m_nRateUnit = 1;
  m_strDeviationSetpoint.Empty();
  m_dDeadBand = 0.0;
  m_dDeviationDeadBand = 0.0;
}

void CDlgAlrNum::LoadInfoFields(const AlarmInfoRecord& info) {
  m_dDeadBand = info.dDeadBand;
  m_strDeviationSetpoint = info.deviationSetpoint.GetText();
  m_dDeviationDeadBand = info.dDeviationDeadBand;
}

void CDlgAlrNum::SaveInfoFields(VarRecord& record, AlarmInfoRecord& info) {
  OVSetAlrDeviationSetpoint(&record, m_strDeviationSetpoint);
  info.dDeadBand = m_dDeadBand;
  info.dDeviationDeadBand = m_dDeviationDeadBand;
}
