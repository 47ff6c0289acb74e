#include "CDlgVeltrixIntegration.h"

CDlgVeltrixIntegration::CDlgVeltrixIntegration(LPCWSTR tagName, CWnd* /*pParent*/)
    : CQELPropertyPage(IDD, 0), tagName(tagName) {}
