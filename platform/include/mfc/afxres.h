// What the resource scripts need beyond the product's own ids: the standard
// window, dialog and control style bits, the standard control ids and the
// resource type of combo-box initial data, with their Windows values. Only the
// resource scripts include this; code takes the same names from <windows.h>.
#pragma once

#define IDOK                1
#define IDCANCEL            2
#define IDC_STATIC          (-1)

// The framework's combo-box initial data (one record per item) has this type.
#define RT_DLGINIT          240

#define LANG_GERMAN         0x07
#define LANG_ENGLISH        0x09
#define SUBLANG_GERMAN      0x01
#define SUBLANG_ENGLISH_US  0x01

#define WS_POPUP            0x80000000L
#define WS_CHILD            0x40000000L
#define WS_VISIBLE          0x10000000L
#define WS_DISABLED         0x08000000L
#define WS_CAPTION          0x00C00000L
#define WS_BORDER           0x00800000L
#define WS_VSCROLL          0x00200000L
#define WS_HSCROLL          0x00100000L
#define WS_SYSMENU          0x00080000L
#define WS_GROUP            0x00020000L
#define WS_TABSTOP          0x00010000L

#define DS_SETFONT          0x40L
#define DS_MODALFRAME       0x80L

#define BS_PUSHBUTTON       0x0L
#define BS_DEFPUSHBUTTON    0x1L
#define BS_AUTOCHECKBOX     0x3L
#define BS_GROUPBOX         0x7L

#define ES_LEFT             0x0L
#define ES_AUTOHSCROLL      0x80L
#define ES_READONLY         0x800L

#define SS_LEFT             0x0L
#define SS_RIGHT            0x2L

#define CBS_DROPDOWN        0x2L
#define CBS_DROPDOWNLIST    0x3L
