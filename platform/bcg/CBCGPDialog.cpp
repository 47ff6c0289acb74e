#include "CBCGPDialog.h"

CBCGPDialog::CBCGPDialog(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

void CBCGPDialog::EnableVisualManagerStyle(BOOL bEnable, BOOL bNCArea, const void*) {
  m_bVisualManagerStyle = bEnable;
  m_bVisualManagerNCArea = bEnable && bNCArea;
}
