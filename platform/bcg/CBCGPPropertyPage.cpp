#include "CBCGPPropertyPage.h"

CBCGPPropertyPage::CBCGPPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CPropertyPage(nIDTemplate, nIDCaption) {}

void CBCGPPropertyPage::EnableVisualManagerStyle(BOOL bEnable) { m_bVisualManagerStyle = bEnable; }
