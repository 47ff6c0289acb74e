#include "CStrParamDlg.h"

#include <tchar.h>

#include "CParamPageHost.h"

namespace {

constexpr int kStartupMaxChars = 1023;
// Loading reads one character more than may be typed, so that an over-long stored value shows
// whole and is refused at the next save until it is shortened.
constexpr int kStartupLoadCapacity = kStartupMaxChars + 1;

}  // namespace

CStrParamDlg::CStrParamDlg(LPCWSTR tagName, CWnd* /*pParent*/)
    : CQELPropertyPage(IDD, 0),
      m_bRetentiveParameters(FALSE),
      m_bRetentiveValue(FALSE),
      m_strStartupValue(_T("")),
      m_strUnit(_T("")),
      m_strTagName(tagName) {}

CStrParamDlg::~CStrParamDlg() = default;

BEGIN_MESSAGE_MAP(CStrParamDlg, CQELPropertyPage)
END_MESSAGE_MAP()

void CStrParamDlg::DoDataExchange(CDataExchange* pDX) {
  CQELPropertyPage::DoDataExchange(pDX);
  DDX_Check(pDX, IDC_RETENTIVE_PARAMETERS, m_bRetentiveParameters);
  DDX_Control(pDX, IDC_RETENTIVE_PARAMETERS, m_btnRetentiveParameters);
  DDX_Check(pDX, IDC_RETENTIVE_VALUE, m_bRetentiveValue);
  DDX_Text(pDX, IDC_UNIT, m_strUnit);
  DDV_MaxChars(pDX, m_strUnit, CParamPageHost::kUnitMaxChars);
  DDX_Text(pDX, IDC_STARTUP_VALUE, m_strStartupValue);
  DDV_MaxChars(pDX, m_strStartupValue, kStartupMaxChars);
}

BOOL CStrParamDlg::OnInitDialog() {
  CQELPropertyPage::OnInitDialog();
  CParamPageHost host(m_strTagName);
  if (!host.OpenForLoad(*this)) {
    return FALSE;
  }
  host.LoadRetentiveAndUnit(m_bRetentiveValue, m_bRetentiveParameters, m_strUnit);
  m_strStartupValue = host.LoadStartup(kStartupLoadCapacity);
  UpdateData(FALSE);
  return TRUE;
}

void CStrParamDlg::OnOK() {
  if (!UpdateData(TRUE)) {
    return;
  }
  CParamPageHost host(m_strTagName);
  if (host.Open()) {
    host.Commit(m_bRetentiveValue, m_bRetentiveParameters, m_strUnit, m_strStartupValue);
  }
  CPropertyPage::OnOK();
}
