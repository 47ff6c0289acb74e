#pragma once
// Small dialogs and pages of the framework tests (templates in resources/TestDialogs.rc).

#include <functional>
#include <string>
#include <vector>

#include <afxdlgs.h>
#include "tests/platform/mfc/resources/TestResource.h"

// Members exchanged in this order: int, int in 1..255, real, text of at most 7, check box,
// list index. Counts the notifications its handlers receive.
class CExchangeDialog : public CDialog {
 public:
  explicit CExchangeDialog(CWnd* pParent = nullptr) : CDialog(IDD_EXCHANGE, pParent) {}

  int m_int = 7;
  int m_range = 10;
  double m_real = 2.5;
  CString m_short = u"abc";
  BOOL m_check = FALSE;
  int m_list = 1;

  int intChanges = 0;
  int intKillFocus = 0;
  std::function<void()> onOpen;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnIntChange() { ++intChanges; }
  void OnIntKillFocus() { ++intKillFocus; }
  void OnOpenClicked() { onOpen(); }

  DECLARE_MESSAGE_MAP()
};

// A page whose edit IDC_INT holds an integer in 1..10; it writes what happens to it into a log.
class CLogPage : public CPropertyPage {
 public:
  CLogPage(UINT nIDTemplate, std::vector<std::string>& log, UINT nIDCaption = 0)
      : CPropertyPage(nIDTemplate, nIDCaption), m_log(log), m_name(std::to_string(nIDTemplate)) {}

  int m_value = 5;

  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  std::vector<std::string>& m_log;
  std::string m_name;
};
