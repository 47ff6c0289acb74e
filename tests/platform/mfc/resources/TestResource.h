// Ids of the framework tests' dialogs and strings, shared by the resource scripts and the tests.
#pragma once

#define IDD_EXCHANGE 100
#define IDD_PAGE_ONE 101
#define IDD_PAGE_TWO 102
#define IDD_PAGE_THREE 103

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
