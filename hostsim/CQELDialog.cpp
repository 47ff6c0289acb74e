#include "host/CQELDialog.h"

CQELDialog::CQELDialog(UINT nIDTemplate, CWnd* pParent) : CBCGPDialog(nIDTemplate, pParent) {}
