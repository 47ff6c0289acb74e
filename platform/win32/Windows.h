#pragma once
// What a Windows source file gets from <windows.h> on this platform.

#include "platform/win32/WinBase.h"
#include "platform/win32/WinTypes.h"
#include "platform/win32/WinUser.h"
