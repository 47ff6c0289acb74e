#pragma once
// The platform-integration page: value, alarm and historian integration of the tag.

#include "host/CQELPropertyPage.h"
#include "res/resource.h"

class CDlgVeltrixIntegration : public CQELPropertyPage {
 public:
  enum { IDD = IDD_VELTRIX_INTEGRATION };

  CDlgVeltrixIntegration(LPCWSTR tagName, CWnd* pParent);

 private:
  CString tagName;
};
