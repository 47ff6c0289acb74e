#include "CDlgAlrBool.h"

CDlgAlrBool::CDlgAlrBool(LPCWSTR tagName, int /*elementIndexField*/, CWnd* /*pParent*/)
    : CQELPropertyPage(IDD, 0), m_strTagName(tagName) {}
