#pragma once
// What a Windows source file gets from <windows.h> on this platform.

#include "../../win32/WinBase.h"
#include "../../win32/WinTypes.h"
#include "../../win32/WinUser.h"
