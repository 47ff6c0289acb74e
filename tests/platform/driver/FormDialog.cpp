#include "tests/platform/driver/FormDialog.h"

BEGIN_MESSAGE_MAP(CFormDialog, CDialog)
  ON_BN_CLICKED(IDC_MORE, &CFormDialog::OnMore)
END_MESSAGE_MAP()

void CFormDialog::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_NAME, m_name);
  DDX_Text(pDX, IDC_CODE, m_code);
  DDX_Check(pDX, IDC_FLAG, m_flag);
  DDX_CBIndex(pDX, IDC_COLOR, m_color);
}

CTwoPageSheet::CTwoPageSheet() : CPropertySheet(u"Two Pages") {
  m_psh.dwFlags |= PSH_NOAPPLYNOW;
  AddPage(&m_alpha);
  AddPage(&m_beta);
}
