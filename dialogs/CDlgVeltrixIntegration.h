#pragma once
// The platform-integration page: value, alarm and historian integration of the tag.

#include <OrvikClasses.h>

#include "resource.h"

class CDlgVeltrixIntegration : public CQELPropertyPage {
 public:
  enum { IDD = IDD_VELTRIX_INTEGRATION };

  CDlgVeltrixIntegration(LPCWSTR tagName, CWnd* pParent);

 private:
  CString tagName;
};
