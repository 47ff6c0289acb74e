#pragma once
// The common controls' start-up and the property sheet header, as <commctrl.h> gives them. The
// tab control's messages and the sheet's are with the other window messages in WinUser.h.

#include "WinTypes.h"

#define ICC_TAB_CLASSES 0x00000008
#define ICC_STANDARD_CLASSES 0x00004000

struct INITCOMMONCONTROLSEX {
  DWORD dwSize;
  DWORD dwICC;
};

// The window model registers every control class it has when it starts: nothing to do.
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);

#define PSH_NOAPPLYNOW 0x00000080

struct PROPSHEETHEADERW {
  DWORD dwSize;
  DWORD dwFlags;
  HWND hwndParent;
  LPCWSTR pszCaption;
  UINT nPages;
  UINT nStartPage;
};
