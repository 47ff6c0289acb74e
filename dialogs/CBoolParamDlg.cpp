#include "CBoolParamDlg.h"

CBoolParamDlg::CBoolParamDlg(LPCTSTR tagName, CWnd* /*pParent*/) : CParamDlgBase(IDD, tagName) {}

CBoolParamDlg::~CBoolParamDlg() = default;

void CBoolParamDlg::DoDataExchange(CDataExchange* pDX) {
  CParamDlgBase::DoDataExchange(pDX);
  DDX_Check(pDX, IDC_RETENTIVE_PARAMETERS, m_bRetentiveParameters);
  DDX_Check(pDX, IDC_RETENTIVE_VALUE, m_bRetentiveValue);
  DDX_Text(pDX, IDC_STARTUP_VALUE, m_strStartupValue);
  DDX_Text(pDX, IDC_UNIT, m_strUnit);
  DDV_MaxChars(pDX, m_strUnit, kUnitMaxChars);

  // Checked in both directions, so that a stored value other than blank, 0 or 1 is reported
  // while the page opens. The whole text is checked, however long.
  const CString trimmed = Trimmed(m_strStartupValue);
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
