#pragma once
// What a Windows source file gets from <commctrl.h> on this platform.

#include <windows.h>

#include "../../win32/CommCtrl.h"
