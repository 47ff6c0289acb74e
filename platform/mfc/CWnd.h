#pragma once
// A window of the window model, seen through the framework: the object is bound to its
// handle (m_hWnd) while the window exists. Commands and control notifications reach the
// message map; UpdateData moves members to and from controls through DoDataExchange.

#include "CCmdTarget.h"
#include "CString.h"
#include <windows.h>

class CDataExchange;

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  ~CWnd() override;

  HWND m_hWnd = nullptr;

  operator HWND() const { return m_hWnd; }
  HWND GetSafeHwnd() const { return m_hWnd; }

  // The object bound to the handle; for a window that has none, a temporary object that
  // lives as long as the window. Null for a null handle.
  static CWnd* FromHandle(HWND hWnd);
  // The object bound to the handle, or null.
  static CWnd* FromHandlePermanent(HWND hWnd);
  BOOL Attach(HWND hWnd);
  HWND Detach();
  // Binds this object to an existing control (a themed button on a template's check box).
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);

  CWnd* GetDlgItem(int nID) const;
  CWnd* GetParent() const;
  int GetDlgCtrlID() const;
  UINT GetDlgItemInt(int nID, BOOL* pTranslated = nullptr, BOOL bSigned = TRUE) const;
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL ShowWindow(int nCmdShow);
  BOOL IsWindowVisible() const;
  void SetWindowText(LPCWSTR text);
  void GetWindowText(CString& text) const;
  int GetWindowTextLength() const;
  // Returns the window that had the focus.
  CWnd* SetFocus();
  static CWnd* GetFocus();
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // Centres the window over its owner (or the given window).
  void CenterWindow(CWnd* pAlternateOwner = nullptr);

  // Moves members to the controls (FALSE) or, validating, from the controls (TRUE).
  // Control notifications to this window are locked out meanwhile. FALSE when a
  // validation failed: the user has been told and the focus is on the failing control.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

  // A window message from the window's procedure; FALSE when the window leaves it to the
  // default processing.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);

  DECLARE_MESSAGE_MAP()
};

// The dialog procedure of every framework dialog, page and sheet: WM_INITDIALOG carries the
// object to bind; later messages go to its OnWndMsg.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
