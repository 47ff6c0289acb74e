#pragma once
// The driver tests' dialog (template IDD_FORM) and a two-page sheet.

#include <functional>

#include <afxdlgs.h>
#include "tests/platform/driver/resources/DriverResource.h"

class CFormDialog : public CDialog {
 public:
  CFormDialog() : CDialog(IDD_FORM) {}

  CString m_name = u"abcd";
  int m_code = 1;
  BOOL m_flag = FALSE;
  int m_color = 0;
  // What "More" does; by default it shows a message box.
  std::function<void()> onMore = [] { AfxMessageBox(u"More"); };

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnMore() { onMore(); }

  DECLARE_MESSAGE_MAP()
};

// A sheet with the pages "Alpha" and "Beta".
class CTwoPageSheet : public CPropertySheet {
 public:
  CTwoPageSheet();

 private:
  CPropertyPage m_alpha{IDD_PAGE_A};
  CPropertyPage m_beta{IDD_PAGE_B};
};
