#pragma once
// What a window looks like on the screen, saved as a PNG file (8-bit RGB).

#include <windows.h>

#include <string>

// Has the window painted, then copies its rectangle of the screen, frame included; false when it
// cannot be read or the file cannot be written.
bool SaveScreenshot(HWND window, const std::wstring& path);
