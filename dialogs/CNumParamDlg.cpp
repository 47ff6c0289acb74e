#include "CNumParamDlg.h"

#include <tchar.h>

CNumParamDlg::CNumParamDlg(LPCTSTR tagName, CWnd* /*pParent*/)
    : CParamDlgBase(IDD, tagName),
      m_dEngMax(0.0),
      m_dEngMin(0.0),
      m_bSmoothing(FALSE),
      m_bDeadBandEnabled(FALSE),
      m_dDeadBand(0.0),
      m_bIsReal(FALSE) {
  m_strStartupValue = _T("0");
}

CNumParamDlg::~CNumParamDlg() = default;

BEGIN_MESSAGE_MAP(CNumParamDlg, CParamDlgBase)
  ON_BN_CLICKED(IDC_DEAD_BAND_ENABLED, &CNumParamDlg::OnDeadBandClicked)
END_MESSAGE_MAP()

void CNumParamDlg::DoDataExchange(CDataExchange* pDX) {
  CParamDlgBase::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_DEAD_BAND_ENABLED, m_chkDeadBandEnabled);
  DDX_Control(pDX, IDC_DEAD_BAND, m_edDeadBand);
  DDX_Text(pDX, IDC_UNIT, m_strUnit);
  DDV_MaxChars(pDX, m_strUnit, kUnitMaxChars);
  DDX_Check(pDX, IDC_RETENTIVE_PARAMETERS, m_bRetentiveParameters);
  DDX_Check(pDX, IDC_RETENTIVE_VALUE, m_bRetentiveValue);
  DDX_Check(pDX, IDC_SMOOTHING, m_bSmoothing);
  DDX_Check(pDX, IDC_DEAD_BAND_ENABLED, m_bDeadBandEnabled);
  DDX_Text(pDX, IDC_DEAD_BAND, m_dDeadBand);
  DDX_Text(pDX, IDC_STARTUP_VALUE, m_strStartupValue);
  DDX_Text(pDX, IDC_ENG_MAX, m_dEngMax);
  DDX_Text(pDX, IDC_ENG_MIN, m_dEngMin);

  // The startup value must parse as the tag's type; blanks alone mean "no value". The whole text
  // is checked, however long; the parsed number is dropped and the text is kept as typed.
  if (pDX->m_bSaveAndValidate && !Trimmed(m_strStartupValue).IsEmpty()) {
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
  if (!CParamDlgBase::OnInitDialog()) {
    return FALSE;
  }
  if (!IsSystemTag()) {
    OnDeadBandClicked();
  }
  return TRUE;
}

void CNumParamDlg::LoadFields(const ParamRecord& param) {
  m_dEngMax = param.dEngMax;
  m_dEngMin = param.dEngMin;
  m_bSmoothing = param.Get<ParamRecord::Smoothing>();
  m_bDeadBandEnabled = param.Get<ParamRecord::DeadBandEnabled>();
  m_dDeadBand = param.dDeadBand;
  // Every type code other than Real counts as Integer here.
  m_bIsReal = OVTypeVar(&Ref()) == kTypeReal;
}

void CNumParamDlg::SaveFields(ParamRecord& param) const {
  param.dEngMax = m_dEngMax;
  param.dEngMin = m_dEngMin;
  param.Set<ParamRecord::Smoothing>(m_bSmoothing);
  param.Set<ParamRecord::DeadBandEnabled>(m_bDeadBandEnabled);
  param.dDeadBand = m_dDeadBand;
}

void CNumParamDlg::OnDeadBandClicked() {
  m_edDeadBand.EnableWindow(m_chkDeadBandEnabled.GetCheck() == BST_CHECKED);
}
