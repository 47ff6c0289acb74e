#pragma once
// What the resource scripts need beyond the product's own ids: the standard
// window, dialog and control style bits, the standard control ids, the
// languages and the resource type of combo-box initial data, with their
// Windows values. Only the resource scripts include this.

#include "../../win32/WinStyles.h"

#define IDC_STATIC          (-1)

// The framework's combo-box initial data (one record per item) has this type.
#define RT_DLGINIT          240

#define LANG_GERMAN         0x07
#define LANG_ENGLISH        0x09
#define SUBLANG_GERMAN      0x01
#define SUBLANG_ENGLISH_US  0x01
