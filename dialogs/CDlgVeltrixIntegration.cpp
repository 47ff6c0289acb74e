#include "CDlgVeltrixIntegration.h"

#include <algorithm>

#include <tchar.h>

#include "CIntegrationRecord.h"
#include "TagsDatabase.h"
#include "WideText.h"

namespace {

// The class-name buffer of the host's type query, terminator included.
constexpr int kClassNameCapacity = 1025;

constexpr LPCTSTR kTagsFileName = _T("tagl.json");
constexpr LPCTSTR kClassesFileName = _T("class.json");

// The interpolation box lists Stairstep, Linear and Default: the file's values 1 to 3.
data::InterpolationType InterpolationOf(int index) {
  return static_cast<data::InterpolationType>(std::clamp(index + 1, 1, 3));
}

auto PathOf(const CString& path) { return helper::FromWide(path.GetString()); }

}  // namespace

CDlgVeltrixIntegration::CDlgVeltrixIntegration(LPCTSTR tagName, CWnd* /*pParent*/)
    : CQELPropertyPage(IDD, 0),
      m_nValueIntegration(0),
      m_nAlarmIntegration(0),
      m_nHistorianIntegration(0),
      m_nInterpolationIndex(3),
      m_nForcedStorageIndex(0),
      m_nSwingingDoorIndex(0),
      m_dTrendScaleMax(0.0),
      m_dTrendScaleMin(0.0),
      m_nRolloverValue(0),
      m_nSampleCount(0),
      m_dDeadbandRate(0.0),
      m_strTagName(tagName),
      m_nTagType(-1),
      m_bFilesUnreadable(FALSE) {}

CDlgVeltrixIntegration::~CDlgVeltrixIntegration() = default;

BEGIN_MESSAGE_MAP(CDlgVeltrixIntegration, CQELPropertyPage)
  ON_BN_CLICKED(IDC_VALUE_INTEGRATION, &CDlgVeltrixIntegration::OnValueIntegrationClicked)
  ON_BN_CLICKED(IDC_ALARM_INTEGRATION, &CDlgVeltrixIntegration::OnAlarmIntegrationClicked)
  ON_BN_CLICKED(IDC_HISTORIAN_INTEGRATION, &CDlgVeltrixIntegration::OnHistorianIntegrationClicked)
  ON_EN_KILLFOCUS(IDC_TREND_SCALE_MAX, &CDlgVeltrixIntegration::OnTrendScaleMaxKillFocus)
  ON_EN_KILLFOCUS(IDC_TREND_SCALE_MIN, &CDlgVeltrixIntegration::OnTrendScaleMinKillFocus)
END_MESSAGE_MAP()

void CDlgVeltrixIntegration::DoDataExchange(CDataExchange* pDX) {
  CQELPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ALARM_INTEGRATION, m_chkAlarmIntegration);
  DDX_Control(pDX, IDC_HISTORIAN_INTEGRATION, m_chkHistorianIntegration);
  DDX_Control(pDX, IDC_INTERPOLATION_TYPE, m_cbInterpolationType);
  DDX_Control(pDX, IDC_FORCED_STORAGE, m_cbForcedStorage);
  DDX_Control(pDX, IDC_SWINGING_DOOR, m_cbSwingingDoor);
  DDX_Control(pDX, IDC_TREND_SCALE_MAX, m_edTrendScaleMax);
  DDX_Control(pDX, IDC_TREND_SCALE_MIN, m_edTrendScaleMin);
  DDX_Control(pDX, IDC_ROLLOVER_VALUE, m_edRolloverValue);
  DDX_Control(pDX, IDC_SAMPLE_COUNT, m_edSampleCount);
  DDX_Control(pDX, IDC_DEADBAND_RATE, m_edDeadbandRate);
  DDX_Check(pDX, IDC_VALUE_INTEGRATION, m_nValueIntegration);
  DDX_Check(pDX, IDC_ALARM_INTEGRATION, m_nAlarmIntegration);
  DDX_Check(pDX, IDC_HISTORIAN_INTEGRATION, m_nHistorianIntegration);
  DDX_CBIndex(pDX, IDC_INTERPOLATION_TYPE, m_nInterpolationIndex);
  DDX_CBIndex(pDX, IDC_FORCED_STORAGE, m_nForcedStorageIndex);
  DDX_CBIndex(pDX, IDC_SWINGING_DOOR, m_nSwingingDoorIndex);
  DDX_Text(pDX, IDC_TREND_SCALE_MAX, m_dTrendScaleMax);
  DDX_Text(pDX, IDC_TREND_SCALE_MIN, m_dTrendScaleMin);
  DDX_Text(pDX, IDC_ROLLOVER_VALUE, m_nRolloverValue);
  DDX_Text(pDX, IDC_SAMPLE_COUNT, m_nSampleCount);
  DDX_Text(pDX, IDC_DEADBAND_RATE, m_dDeadbandRate);
  DDV_MinMaxInt(pDX, m_nInterpolationIndex, 0, 2);
}

BOOL CDlgVeltrixIntegration::OnInitDialog() {
  CQELPropertyPage::OnInitDialog();
  LoadIntegrationSettings();
  UpdateControlStates();
  // Told before any typing is wasted on settings that OK will not write.
  if (m_bFilesUnreadable) {
    AfxMessageBox(IDS_INTEGRATION_FILES_UNREADABLE, MB_OK);
  }
  return TRUE;
}

void CDlgVeltrixIntegration::OnOK() {
  if (SaveIntegrationSettings()) {
    CQELPropertyPage::OnOK();
  }
}

BOOL CDlgVeltrixIntegration::FindTag(VarRef& ref, CString& className, TagDefRecord*& definition) const {
  if (!DBGetVar(&ref, m_strTagName)) {
    return FALSE;
  }
  int typeCode = 0;
  TCHAR name[kClassNameCapacity] = {};
  if (!DBGetTagTypeSecure(ref.tagNumber, &typeCode, name, kClassNameCapacity)) {
    return FALSE;
  }
  className = name;
  definition = nullptr;
  return OVFindVar(&ref, &definition, nullptr, 1) && definition != nullptr;
}

CString CDlgVeltrixIntegration::IntegrationFilePath(LPCTSTR fileName) {
  CString path;
  path.Format(_T("%s\\%s"), APGetAppDatabasePath(), fileName);
  return path;
}

void CDlgVeltrixIntegration::LoadIntegrationSettings() {
  VarRef ref{};
  CString className;
  TagDefRecord* definition = nullptr;
  if (!FindTag(ref, className, definition)) {
    return;
  }
  const ParamRecord& param = definition->param;
  m_nValueIntegration = static_cast<int>(param.Get<ParamRecord::ValueIntegration>());
  m_nAlarmIntegration = static_cast<int>(param.Get<ParamRecord::AlarmIntegration>());
  m_nHistorianIntegration = static_cast<int>(param.Get<ParamRecord::HistorianIntegration>());
  m_nTagType = static_cast<int>(definition->Get<TagDefRecord::BaseType>());

  const CString tagsPath = IntegrationFilePath(kTagsFileName);
  const CString classesPath = IntegrationFilePath(kClassesFileName);
  // Stamped before reading: a change made while the files are read counts as a change.
  m_tagsStamp = CFileStamp::Of(tagsPath);
  m_classesStamp = CFileStamp::Of(classesPath);
  m_database = data::LoadTagsDatabase(PathOf(tagsPath), PathOf(classesPath));
  // A project without the files starts them; files that exist but did not load are not replaced.
  m_bFilesUnreadable = !m_database && (m_tagsStamp.Exists() || m_classesStamp.Exists());
  if (!m_database && !m_bFilesUnreadable) {
    m_database = std::make_shared<data::TagsDatabaseData>();
  }
  // Over files that did not load, the page shows the defaults and keeps no database.
  data::TagsDatabaseData empty;
  CIntegrationRecord record(m_database ? *m_database : empty, m_strTagName, className);
  const data::CorvaneData block = record.Block() ? *record.Block() : data::CorvaneData();
  const data::HistorianData historian = block.historian ? *block.historian : data::HistorianData();
  m_dTrendScaleMax = historian.trendScaleMax;
  m_dTrendScaleMin = historian.trendScaleMin;
  m_nInterpolationIndex = static_cast<int>(historian.interpolationType) - 1;
  m_nForcedStorageIndex = historian.forcedStoragePeriod ? 1 : 0;
  m_nSwingingDoorIndex = historian.swingingDoor ? 1 : 0;
  m_nRolloverValue = static_cast<int>(historian.rolloverValue);
  m_nSampleCount = historian.sampleCount;
  m_dDeadbandRate = historian.deadbandRate;
  UpdateControlStates();
}

bool CDlgVeltrixIntegration::SaveIntegrationSettings() {
  if (!UpdateData(TRUE)) {
    return false;
  }
  VarRef ref{};
  CString className;
  TagDefRecord* definition = nullptr;
  if (!FindTag(ref, className, definition)) {
    return false;
  }
  ParamRecord& param = definition->param;
  param.Set<ParamRecord::ValueIntegration>(m_nValueIntegration != 0 ? 1u : 0u);
  param.Set<ParamRecord::HistorianIntegration>(m_nHistorianIntegration != 0 ? 1u : 0u);
  param.Set<ParamRecord::AlarmIntegration>(m_nAlarmIntegration != 0 ? 1u : 0u);
  if (!m_database) {
    return false;
  }

  CIntegrationRecord record(*m_database, m_strTagName, className);
  std::shared_ptr<data::CorvaneData>& slot = record.Block();
  if (m_nValueIntegration == 0 && !slot) {
    return true;
  }
  record.Enter(*m_database, ref.tagNumber);
  auto block = std::make_shared<data::CorvaneData>();
  block->value = m_nValueIntegration != 0;
  block->alarm = m_nAlarmIntegration != 0;
  if (m_nHistorianIntegration != 0) {
    auto historian = std::make_shared<data::HistorianData>();
    historian->enable = true;
    historian->trendScaleMax = m_dTrendScaleMax;
    historian->trendScaleMin = m_dTrendScaleMin;
    historian->deadbandRate = m_dDeadbandRate;
    historian->sampleCount = m_nSampleCount;
    historian->rolloverValue = static_cast<double>(m_nRolloverValue);
    historian->interpolationType = InterpolationOf(m_nInterpolationIndex);
    historian->forcedStoragePeriod = m_nForcedStorageIndex != 0;
    historian->swingingDoor = m_nSwingingDoorIndex != 0;
    block->historian = std::move(historian);
  }
  slot = std::move(block);

  if (FilesChangedSinceLoad()) {
    AfxMessageBox(IDS_INTEGRATION_FILES_CHANGED, MB_OK);
    return false;
  }
  return data::SaveTagsDatabase(m_database, PathOf(IntegrationFilePath(kTagsFileName)),
                                PathOf(IntegrationFilePath(kClassesFileName)));
}

BOOL CDlgVeltrixIntegration::FilesChangedSinceLoad() const {
  return CFileStamp::Of(IntegrationFilePath(kTagsFileName)) != m_tagsStamp ||
         CFileStamp::Of(IntegrationFilePath(kClassesFileName)) != m_classesStamp;
}

void CDlgVeltrixIntegration::UpdateControlStates() {
  // Codes from String on are String tags (and classes, which the page never gets).
  const bool isString = m_nTagType >= kTypeString;
  if (m_nValueIntegration == 0 || isString) {
    m_nAlarmIntegration = 0;
    m_nHistorianIntegration = 0;
  }
  const BOOL integrated = !isString && m_nValueIntegration != 0;
  m_chkAlarmIntegration.EnableWindow(integrated);
  m_chkHistorianIntegration.EnableWindow(integrated);
  const BOOL historian = m_nHistorianIntegration != 0;
  for (CWnd* control : {static_cast<CWnd*>(&m_edDeadbandRate), static_cast<CWnd*>(&m_cbInterpolationType),
                        static_cast<CWnd*>(&m_edRolloverValue), static_cast<CWnd*>(&m_edSampleCount),
                        static_cast<CWnd*>(&m_cbForcedStorage), static_cast<CWnd*>(&m_cbSwingingDoor),
                        static_cast<CWnd*>(&m_edTrendScaleMax), static_cast<CWnd*>(&m_edTrendScaleMin)}) {
    control->EnableWindow(historian);
  }
  UpdateData(FALSE);
}

void CDlgVeltrixIntegration::OnValueIntegrationClicked() {
  m_nValueIntegration = m_nValueIntegration == 0 ? 1 : 0;
  UpdateControlStates();
}

void CDlgVeltrixIntegration::OnAlarmIntegrationClicked() {
  m_nAlarmIntegration = m_nAlarmIntegration == 0 ? 1 : 0;
  UpdateControlStates();
}

void CDlgVeltrixIntegration::OnHistorianIntegrationClicked() {
  m_nHistorianIntegration = m_nHistorianIntegration == 0 ? 1 : 0;
  UpdateControlStates();
}

void CDlgVeltrixIntegration::Refocus(CEdit& edit) {
  edit.SetFocus();
  edit.SetSel(0, -1);
}

// The maximum may not fall below the minimum: a lower one is put back to the minimum.
void CDlgVeltrixIntegration::OnTrendScaleMaxKillFocus() {
  m_dTrendScaleMax = static_cast<int>(GetDlgItemInt(IDC_TREND_SCALE_MAX, nullptr, TRUE));
  if (!(m_dTrendScaleMax < m_dTrendScaleMin)) {
    return;
  }
  m_dTrendScaleMax = m_dTrendScaleMin;
  UpdateControlStates();
  Refocus(m_edTrendScaleMax);
}

void CDlgVeltrixIntegration::OnTrendScaleMinKillFocus() {
  m_dTrendScaleMin = static_cast<int>(GetDlgItemInt(IDC_TREND_SCALE_MIN, nullptr, TRUE));
  if (!(m_dTrendScaleMax < m_dTrendScaleMin)) {
    return;
  }
  m_dTrendScaleMin = m_dTrendScaleMax;
  UpdateControlStates();
  Refocus(m_edTrendScaleMin);
}
