// Ids of the framework tests' dialogs and strings, shared by the resource scripts and the tests.
#pragma once

#define IDD_EXCHANGE 100
#define IDD_PAGE_ONE 101
#define IDD_PAGE_TWO 102
#define IDD_PAGE_THREE 103
#define IDD_MODULE 110

#define IDC_INT 1001
#define IDC_RANGE 1002
#define IDC_REAL 1003
#define IDC_SHORT 1004
#define IDC_CHECK 1005
#define IDC_LIST 1006
#define IDC_OPEN 1007

#define IDS_SHEET_CAPTION 200
#define IDS_RENAMED_PAGE 201
#define IDS_GREETING 202
#define IDS_LONG 203
#define IDS_MODULE_TEXT 210

#ifdef RC_INVOKED
#define IDOK 1
#define IDCANCEL 2
#define AFX_IDS_APP_TITLE 0xE000
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
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
