#include "CDlgAlrNum.h"

CDlgAlrNum::CDlgAlrNum(LPCWSTR tagName, int /*elementIndexField*/, CWnd* /*pParent*/)
    : CQELPropertyPage(IDD, 0), m_strTagName(tagName) {}
