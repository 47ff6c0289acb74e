#include "CBoolParamDlg.h"

#include <tchar.h>

#include "CParamPageHost.h"

CBoolParamDlg::CBoolParamDlg(LPCWSTR tagName, CWnd* /*pParent*/)
    : CQELPropertyPage(IDD, 0),
      m_bRetentiveParameters(FALSE),
      m_bRetentiveValue(FALSE),
      m_strStartupValue(_T("")),
      m_strUnit(_T("")),
      m_strTagName(tagName) {}

CBoolParamDlg::~CBoolParamDlg() = default;

BEGIN_MESSAGE_MAP(CBoolParamDlg, CQELPropertyPage)
END_MESSAGE_MAP()

void CBoolParamDlg::DoDataExchange(CDataExchange* pDX) {
  CQELPropertyPage::DoDataExchange(pDX);
  DDX_Check(pDX, IDC_RETENTIVE_PARAMETERS, m_bRetentiveParameters);
  DDX_Control(pDX, IDC_RETENTIVE_PARAMETERS, m_btnRetentiveParameters);
  DDX_Check(pDX, IDC_RETENTIVE_VALUE, m_bRetentiveValue);
  DDX_Text(pDX, IDC_STARTUP_VALUE, m_strStartupValue);
  DDX_Text(pDX, IDC_UNIT, m_strUnit);
  DDV_MaxChars(pDX, m_strUnit, CParamPageHost::kUnitMaxChars);

  // Checked in both directions, so that a stored value other than blank, 0 or 1 is reported
  // while the page opens. The whole text is checked, however long.
  const CString trimmed = CParamPageHost::Trimmed(m_strStartupValue);
  if (trimmed.IsEmpty()) {
    return;
  }
  int value = 0;
  if (__AfxSimpleIntegerParse(trimmed, value) && (value == 0 || value == 1)) {
    return;
  }
  AfxMessageBox(IDS_INVALID_BOOLEAN_VALUE, MB_OK);
  // Exchanged once more so that the failure points at the startup value field.
  DDX_Text(pDX, IDC_STARTUP_VALUE, m_strStartupValue);
  m_strStartupValue = trimmed;
  pDX->Fail();
}

BOOL CBoolParamDlg::OnInitDialog() {
  CQELPropertyPage::OnInitDialog();
  CParamPageHost host(m_strTagName);
  if (!host.OpenForLoad(*this)) {
    return FALSE;
  }
  host.LoadRetentiveAndUnit(m_bRetentiveValue, m_bRetentiveParameters, m_strUnit);
  m_strStartupValue = host.LoadStartupOrZero();
  UpdateData(FALSE);
  return TRUE;
}

void CBoolParamDlg::OnOK() {
  if (!UpdateData(TRUE)) {
    return;
  }
  CParamPageHost host(m_strTagName);
  if (host.Open()) {
    host.Commit(m_bRetentiveValue, m_bRetentiveParameters, m_strUnit, m_strStartupValue);
  }
  CPropertyPage::OnOK();
}
