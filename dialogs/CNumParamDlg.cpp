#include "CNumParamDlg.h"

#include <tchar.h>

#include "CParamPageHost.h"

namespace {

// The host's type code of a Real tag; every other code counts as Integer here.
constexpr int kTypeReal = 2;

}  // namespace

CNumParamDlg::CNumParamDlg(LPCWSTR tagName, CWnd* /*pParent*/)
    : CQELPropertyPage(IDD, 0),
      m_strUnit(_T("")),
      m_dEngMax(0.0),
      m_dEngMin(0.0),
      m_bRetentiveParameters(FALSE),
      m_bRetentiveValue(FALSE),
      m_bSmoothing(FALSE),
      m_bDeadBandEnabled(FALSE),
      m_dDeadBand(0.0),
      m_strStartupValue(_T("0")),
      m_strTagName(tagName),
      m_bIsReal(FALSE) {}

CNumParamDlg::~CNumParamDlg() = default;

BEGIN_MESSAGE_MAP(CNumParamDlg, CQELPropertyPage)
  ON_BN_CLICKED(IDC_DEAD_BAND_ENABLED, &CNumParamDlg::OnDeadBandClicked)
END_MESSAGE_MAP()

void CNumParamDlg::DoDataExchange(CDataExchange* pDX) {
  CQELPropertyPage::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_UNIT, m_strUnit);
  DDV_MaxChars(pDX, m_strUnit, CParamPageHost::kUnitMaxChars);
  DDX_Check(pDX, IDC_RETENTIVE_PARAMETERS, m_bRetentiveParameters);
  DDX_Control(pDX, IDC_RETENTIVE_PARAMETERS, m_btnRetentiveParameters);
  DDX_Check(pDX, IDC_RETENTIVE_VALUE, m_bRetentiveValue);
  DDX_Check(pDX, IDC_SMOOTHING, m_bSmoothing);
  DDX_Check(pDX, IDC_DEAD_BAND_ENABLED, m_bDeadBandEnabled);
  DDX_Text(pDX, IDC_DEAD_BAND, m_dDeadBand);
  DDX_Text(pDX, IDC_STARTUP_VALUE, m_strStartupValue);
  DDX_Text(pDX, IDC_ENG_MAX, m_dEngMax);
  DDX_Text(pDX, IDC_ENG_MIN, m_dEngMin);

  // The startup value must parse as the tag's type; blanks alone mean "no value". The whole text
  // is checked, however long; the parsed number is dropped and the text is kept as typed.
  if (pDX->m_bSaveAndValidate && !CParamPageHost::Trimmed(m_strStartupValue).IsEmpty()) {
    if (m_bIsReal) {
      double parsed = 0.0;
      DDX_Text(pDX, IDC_STARTUP_VALUE, parsed);
    } else {
      int parsed = 0;
      DDX_Text(pDX, IDC_STARTUP_VALUE, parsed);
    }
  }
}

BOOL CNumParamDlg::OnInitDialog() {
  CQELPropertyPage::OnInitDialog();
  CParamPageHost host(m_strTagName);
  if (!host.OpenForLoad(*this)) {
    return FALSE;
  }
  const ParamRecord& param = host.Param();
  host.LoadRetentiveAndUnit(m_bRetentiveValue, m_bRetentiveParameters, m_strUnit);
  m_dEngMax = param.dEngMax;
  m_dEngMin = param.dEngMin;
  m_bSmoothing = param.Get<ParamRecord::Smoothing>();
  m_bDeadBandEnabled = param.Get<ParamRecord::DeadBandEnabled>();
  m_dDeadBand = param.dDeadBand;
  m_strStartupValue = host.LoadStartupOrZero();
  m_bIsReal = OVTypeVar(&host.Ref()) == kTypeReal;
  UpdateData(FALSE);
  if (!host.IsSystemTag()) {
    OnDeadBandClicked();
  }
  return TRUE;
}

void CNumParamDlg::OnDeadBandClicked() {
  const BOOL enabled = ::IsDlgButtonChecked(m_hWnd, IDC_DEAD_BAND_ENABLED) == BST_CHECKED;
  GetDlgItem(IDC_DEAD_BAND)->EnableWindow(enabled);
}

void CNumParamDlg::OnOK() {
  if (!UpdateData(TRUE)) {
    return;
  }
  CParamPageHost host(m_strTagName);
  if (host.Open()) {
    ParamRecord& param = host.Param();
    param.dEngMax = m_dEngMax;
    param.dEngMin = m_dEngMin;
    param.Set<ParamRecord::Smoothing>(m_bSmoothing);
    param.Set<ParamRecord::DeadBandEnabled>(m_bDeadBandEnabled);
    param.dDeadBand = m_dDeadBand;
    host.Commit(m_bRetentiveValue, m_bRetentiveParameters, m_strUnit, m_strStartupValue);
  }
  CPropertyPage::OnOK();
}
