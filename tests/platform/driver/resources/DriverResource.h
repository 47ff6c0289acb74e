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
