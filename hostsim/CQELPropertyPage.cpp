#include "host/CQELPropertyPage.h"

CQELPropertyPage::CQELPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CBCGPPropertyPage(nIDTemplate, nIDCaption) {}
