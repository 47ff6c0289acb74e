// Ids of the driver tests' dialogs, shared by the resource script and the tests.
#pragma once

#define IDD_FORM 100
#define IDD_PAGE_A 101
#define IDD_PAGE_B 102

#define IDC_NAME 1001
#define IDC_CODE 1002
#define IDC_FLAG 1003
#define IDC_COLOR 1004
#define IDC_MORE 1005
#define IDC_LOCKED 1006
#define IDC_SECRET 1007

#ifdef RC_INVOKED
#define IDOK 1
#define IDCANCEL 2
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CAPTION 0x00C00000L
#define WS_VSCROLL 0x00200000L
#define WS_SYSMENU 0x00080000L
#define WS_TABSTOP 0x00010000L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define ES_AUTOHSCROLL 0x80L
#define CBS_DROPDOWNLIST 0x3L
#endif
