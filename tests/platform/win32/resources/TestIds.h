// Ids of the test resources, shared by the resource scripts and the tests.
#pragma once

#define IDD_PLAIN 100
#define IDD_EXTENDED 101
#define IDC_NAME 1000
#define IDC_CHECK 1001
#define IDC_COMBO 1002
#define IDC_TABS 1003
#define IDC_PAGE_EDIT 70000
#define IDS_TITLE 1
#define IDS_SECOND_BLOCK 17
