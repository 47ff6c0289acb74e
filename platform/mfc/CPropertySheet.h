#pragma once
// A modal property sheet: a frame with a tab per page, OK and Cancel (and Apply unless
// PSH_NOAPPLYNOW), the active page inside. A page's window is created when the page is
// first shown; leaving a page validates it (OnKillActive) and stays when that fails. OK
// validates the active page, then runs OnApply (OnOK) of every page whose window exists,
// in page order, and closes; Cancel runs OnCancel of those pages and closes.
// A click on a tab switches through the tab control's notifications, as on Windows.
// Front ends work the sheet through Win32 messages: PSM_SETCURSEL, PSM_GETCURRENTPAGEHWND,
// PSM_GETTABCONTROL, PSM_PRESSBUTTON; OK and Cancel are the buttons IDOK and IDCANCEL.

#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "CPropertyPage.h"

// The sheet frame's controls.
#define AFX_IDC_TAB_CONTROL 0x3020
#define ID_APPLY_NOW 0x3021

class CPropertySheet : public CWnd {
 public:
  explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
  explicit CPropertySheet(LPCWSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

  PROPSHEETHEADERW m_psh{};

  void AddPage(CPropertyPage* pPage);
  // IDOK or IDCANCEL; -1 when a page template cannot be found.
  virtual INT_PTR DoModal();

  int GetPageCount() const;
  CPropertyPage* GetPage(int nPage) const;
  CPropertyPage* GetActivePage() const;
  int GetActiveIndex() const;
  int GetPageIndex(CPropertyPage* pPage) const;
  // Before the sheet runs: the page it opens with. While it runs: switches as a person
  // would (the active page must pass validation); FALSE when refused.
  BOOL SetActivePage(int nPage);
  BOOL SetActivePage(CPropertyPage* pPage);

  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  DECLARE_MESSAGE_MAP()

 private:
  BOOL OnInitDialog();
  bool CreatePageWindow(CPropertyPage* page);
  // PSM_SETCURSEL: leaves the active page (refused when it fails validation), then shows the other.
  BOOL SwitchTo(int index);
  // The tab control asks before a click on a tab switches (TCN_SELCHANGING) and tells after
  // (TCN_SELCHANGE). FALSE for other notifications.
  BOOL OnTabNotify(const NMHDR* header, LRESULT* pResult);
  bool LeaveActivePage();
  BOOL ShowPage(int index);
  void PressOk();
  void PressCancel();
  HWND TabControl() const;

  CString m_strCaption;
  CWnd* m_pParentWnd;
  std::vector<CPropertyPage*> m_pages;
  std::vector<CString> m_titles;
  int m_nActive = 0;
  int m_pageCx = 0;
  int m_pageCy = 0;
};
