#pragma once
// One data exchange between a window's members and its controls. The DDX_ and DDV_
// functions prepare the control they work on, so that a failure can point at it.

#include <windows.h>

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  int m_idLastControl = 0;
  BOOL m_bEditLastControl = FALSE;

  // The control with this id, now the one a failure points to.
  HWND PrepareCtrl(int nIDC);
  HWND PrepareEditCtrl(int nIDC);
  // Ends the exchange. When saving, the focus goes to the last prepared control, with an
  // edit's whole text selected. The caller has already told the user why.
  [[noreturn]] void Fail();
};
