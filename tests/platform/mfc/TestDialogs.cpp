#include "tests/platform/mfc/TestDialogs.h"

BEGIN_MESSAGE_MAP(CExchangeDialog, CDialog)
  ON_EN_CHANGE(IDC_INT, &CExchangeDialog::OnIntChange)
  ON_EN_KILLFOCUS(IDC_INT, &CExchangeDialog::OnIntKillFocus)
  ON_BN_CLICKED(IDC_OPEN, &CExchangeDialog::OnOpenClicked)
END_MESSAGE_MAP()

void CExchangeDialog::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_INT, m_int);
  DDX_Text(pDX, IDC_RANGE, m_range);
  DDV_MinMaxInt(pDX, m_range, 1, 255);
  DDX_Text(pDX, IDC_REAL, m_real);
  DDX_Text(pDX, IDC_SHORT, m_short);
  DDV_MaxChars(pDX, m_short, 7);
  DDX_Check(pDX, IDC_CHECK, m_check);
  DDX_CBIndex(pDX, IDC_LIST, m_list);
}

BOOL CLogPage::OnInitDialog() {
  m_log.push_back("init " + m_name);
  return CPropertyPage::OnInitDialog();
}

void CLogPage::OnOK() { m_log.push_back("ok " + m_name); }

void CLogPage::OnCancel() { m_log.push_back("cancel " + m_name); }

void CLogPage::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_INT, m_value);
  DDV_MinMaxInt(pDX, m_value, 1, 10);
}
