#include "CPropertySheet.h"

#include <algorithm>

#include "AfxModuleState.h"
#include "CDialogTemplate.h"
#include "FrameworkPrompts.h"

namespace {

// Layout of the frame, in dialog units.
constexpr int kMargin = 4;
constexpr int kTabHeader = 16;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr WORD kButtonAtom = 0x0080;

}  // namespace

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
  ON_COMMAND(IDOK, &CPropertySheet::PressOk)
  ON_COMMAND(IDCANCEL, &CPropertySheet::PressCancel)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) : m_pParentWnd(pParentWnd) {
  m_psh.dwSize = sizeof(m_psh);
  m_strCaption.LoadString(nIDCaption);
  m_psh.nStartPage = iSelectPage;
}

CPropertySheet::CPropertySheet(LPCWSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_strCaption(pszCaption), m_pParentWnd(pParentWnd) {
  m_psh.dwSize = sizeof(m_psh);
  m_psh.nStartPage = iSelectPage;
}

void CPropertySheet::AddPage(CPropertyPage* pPage) {
  m_pages.push_back(pPage);
  m_psh.nPages = static_cast<UINT>(m_pages.size());
}

INT_PTR CPropertySheet::DoModal() {
  // The frame holds a tab control: its window class comes with the common controls.
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  HINSTANCE resources = AfxGetResourceHandle();
  m_titles.clear();
  m_pageCx = m_pageCy = 0;
  for (CPropertyPage* page : m_pages) {
    CDialogTemplate::Header header;
    if (!CDialogTemplate::ReadHeader(resources, page->m_nIDHelp, header)) return -1;
    CString title;
    if (page->m_nIDCaption) title.LoadString(page->m_nIDCaption);
    m_titles.push_back(page->m_nIDCaption ? title : header.caption);
    m_pageCx = std::max(m_pageCx, header.cx);
    m_pageCy = std::max(m_pageCy, header.cy);
  }
  int tabCx = m_pageCx + 2 * kMargin, tabCy = m_pageCy + kTabHeader + kMargin;
  int cx = tabCx + 2 * kMargin, cy = tabCy + 3 * kMargin + kButtonHeight;
  int buttonY = cy - kMargin - kButtonHeight;
  bool apply = !(m_psh.dwFlags & PSH_NOAPPLYNOW);
  int buttonX = cx - kMargin - (apply ? 3 : 2) * (kButtonWidth + kMargin) + kMargin;

  CDialogTemplate frame(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_CONTROLPARENT, cx, cy, m_strCaption);
  DWORD child = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  frame.AddItem(child | WS_GROUP, kMargin, kMargin, tabCx, tabCy, AFX_IDC_TAB_CONTROL, WC_TABCONTROLW, TEXT(""));
  frame.AddItem(child | WS_GROUP | BS_DEFPUSHBUTTON, buttonX, buttonY, kButtonWidth, kButtonHeight, IDOK, kButtonAtom,
                afx_prompt::Load(AFX_IDS_SHEET_OK, afx_prompt::kOk));
  buttonX += kButtonWidth + kMargin;
  frame.AddItem(child | BS_PUSHBUTTON, buttonX, buttonY, kButtonWidth, kButtonHeight, IDCANCEL, kButtonAtom,
                afx_prompt::Load(AFX_IDS_SHEET_CANCEL, afx_prompt::kCancel));
  if (apply) {
    buttonX += kButtonWidth + kMargin;
    frame.AddItem(child | WS_DISABLED | BS_PUSHBUTTON, buttonX, buttonY, kButtonWidth, kButtonHeight, ID_APPLY_NOW,
                  kButtonAtom, afx_prompt::Load(AFX_IDS_SHEET_APPLY, afx_prompt::kApply));
  }
  HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetForegroundWindow();
  m_psh.hwndParent = parent;
  return ::DialogBoxIndirectParamW(AfxGetInstanceHandle(), frame.Get(), parent, AfxDlgProc,
                                   reinterpret_cast<LPARAM>(this));
}

int CPropertySheet::GetPageCount() const { return static_cast<int>(m_pages.size()); }

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
  return nPage >= 0 && nPage < GetPageCount() ? m_pages[static_cast<size_t>(nPage)] : nullptr;
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(GetActiveIndex()); }

int CPropertySheet::GetActiveIndex() const { return m_hWnd ? m_nActive : static_cast<int>(m_psh.nStartPage); }

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const {
  auto found = std::find(m_pages.begin(), m_pages.end(), pPage);
  return found == m_pages.end() ? -1 : static_cast<int>(found - m_pages.begin());
}

BOOL CPropertySheet::SetActivePage(int nPage) {
  if (nPage < 0 || nPage >= GetPageCount()) return FALSE;
  if (m_hWnd) return static_cast<BOOL>(SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(nPage), 0));
  m_psh.nStartPage = static_cast<UINT>(nPage);
  return TRUE;
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }

BOOL CPropertySheet::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_INITDIALOG:
      *pResult = OnInitDialog();
      return TRUE;
    case PSM_SETCURSEL:
      *pResult = SwitchTo(static_cast<int>(wParam));
      return TRUE;
    case PSM_GETCURRENTPAGEHWND:
      *pResult = reinterpret_cast<LRESULT>(GetActivePage() ? GetActivePage()->m_hWnd : nullptr);
      return TRUE;
    case PSM_GETTABCONTROL:
      *pResult = reinterpret_cast<LRESULT>(TabControl());
      return TRUE;
    case WM_NOTIFY:
      if (OnTabNotify(reinterpret_cast<const NMHDR*>(lParam), pResult)) return TRUE;
      return CWnd::OnWndMsg(message, wParam, lParam, pResult);
    case PSM_PRESSBUTTON:
      if (wParam == PSBTN_OK) PressOk();
      if (wParam == PSBTN_CANCEL) PressCancel();
      *pResult = 0;
      return TRUE;
    default:
      return CWnd::OnWndMsg(message, wParam, lParam, pResult);
  }
}

BOOL CPropertySheet::OnInitDialog() {
  HWND tab = TabControl();
  for (size_t i = 0; i < m_titles.size(); ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPWSTR>(m_titles[i].GetString());
    ::SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  if (m_pages.empty()) return TRUE;
  m_nActive = std::clamp(static_cast<int>(m_psh.nStartPage), 0, GetPageCount() - 1);
  CPropertyPage* page = m_pages[static_cast<size_t>(m_nActive)];
  if (!CreatePageWindow(page)) return TRUE;
  ::SendMessageW(tab, TCM_SETCURSEL, static_cast<WPARAM>(m_nActive), 0);
  page->OnSetActive();
  page->ShowWindow(SW_SHOW);
  ::SetFocus(::GetNextDlgTabItem(page->m_hWnd, nullptr, FALSE));
  return FALSE;
}

bool CPropertySheet::CreatePageWindow(CPropertyPage* page) {
  page->m_bFirstSetActive = TRUE;
  HWND hWnd = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(page->m_nIDHelp), m_hWnd, AfxDlgProc,
                                   reinterpret_cast<LPARAM>(page));
  if (!hWnd) return false;
  // A page template is written as a disabled child with a caption; inside the sheet it is a
  // plain child that the dialog keys reach.
  LONG_PTR style = ::GetWindowLongPtrW(hWnd, GWL_STYLE);
  ::SetWindowLongPtrW(hWnd, GWL_STYLE, (style & ~(WS_POPUP | WS_CAPTION | WS_SYSMENU)) | WS_CHILD);
  ::SetWindowLongPtrW(hWnd, GWL_EXSTYLE, ::GetWindowLongPtrW(hWnd, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  ::EnableWindow(hWnd, TRUE);
  // The layout is in dialog units of the frame; windows move in pixels.
  RECT area{2 * kMargin, kMargin + kTabHeader, 2 * kMargin + m_pageCx, kMargin + kTabHeader + m_pageCy};
  ::MapDialogRect(m_hWnd, &area);
  ::MoveWindow(hWnd, area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);
  return true;
}

BOOL CPropertySheet::SwitchTo(int index) {
  if (index < 0 || index >= GetPageCount()) return FALSE;
  if (index == m_nActive) return TRUE;
  if (!LeaveActivePage()) return FALSE;
  ::SendMessageW(TabControl(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  return ShowPage(index);
}

bool CPropertySheet::LeaveActivePage() {
  // As with a click on a tab, the focus leaves the page before the page is validated.
  ::SetFocus(TabControl());
  CPropertyPage* current = GetPage(m_nActive);
  return !current || current->OnKillActive();
}

BOOL CPropertySheet::ShowPage(int index) {
  CPropertyPage* next = GetPage(index);
  if (!next || (!next->m_hWnd && !CreatePageWindow(next))) return FALSE;
  if (CPropertyPage* current = GetPage(m_nActive); current && current != next) current->ShowWindow(SW_HIDE);
  m_nActive = index;
  next->OnSetActive();
  next->ShowWindow(SW_SHOW);
  ::SetFocus(TabControl());
  return TRUE;
}

BOOL CPropertySheet::OnTabNotify(const NMHDR* header, LRESULT* pResult) {
  if (header->hwndFrom != TabControl()) return FALSE;
  if (header->code == TCN_SELCHANGING) {
    // Non-zero keeps the current tab: the page being left did not pass.
    *pResult = LeaveActivePage() ? FALSE : TRUE;
    return TRUE;
  }
  if (header->code == TCN_SELCHANGE) {
    ShowPage(static_cast<int>(::SendMessageW(TabControl(), TCM_GETCURSEL, 0, 0)));
    *pResult = 0;
    return TRUE;
  }
  return FALSE;
}

void CPropertySheet::PressOk() {
  CPropertyPage* active = GetActivePage();
  if (active && !active->OnKillActive()) return;
  for (CPropertyPage* page : m_pages) {
    if (page->m_hWnd && !page->OnApply()) return;
  }
  ::EndDialog(m_hWnd, IDOK);
}

void CPropertySheet::PressCancel() {
  for (CPropertyPage* page : m_pages) {
    if (page->m_hWnd) page->OnCancel();
  }
  ::EndDialog(m_hWnd, IDCANCEL);
}

HWND CPropertySheet::TabControl() const { return ::GetDlgItem(m_hWnd, AFX_IDC_TAB_CONTROL); }
