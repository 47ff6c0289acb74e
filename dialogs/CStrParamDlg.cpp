#include "CStrParamDlg.h"

namespace {

constexpr int kStartupMaxChars = 1023;
// Loading reads one character more than may be typed, so that an over-long stored value shows
// whole and is refused at the next save until it is shortened.
constexpr int kStartupLoadCapacity = kStartupMaxChars + 1;

}  // namespace

CStrParamDlg::CStrParamDlg(LPCTSTR tagName, CWnd* /*pParent*/) : CParamDlgBase(IDD, tagName) {}

CStrParamDlg::~CStrParamDlg() = default;

void CStrParamDlg::DoDataExchange(CDataExchange* pDX) {
  CParamDlgBase::DoDataExchange(pDX);
  DDX_Check(pDX, IDC_RETENTIVE_PARAMETERS, m_bRetentiveParameters);
  DDX_Check(pDX, IDC_RETENTIVE_VALUE, m_bRetentiveValue);
  DDX_Text(pDX, IDC_UNIT, m_strUnit);
  DDV_MaxChars(pDX, m_strUnit, kUnitMaxChars);
  DDX_Text(pDX, IDC_STARTUP_VALUE, m_strStartupValue);
  DDV_MaxChars(pDX, m_strStartupValue, kStartupMaxChars);
}

CString CStrParamDlg::LoadStartupValue() { return LoadStartup(kStartupLoadCapacity); }
