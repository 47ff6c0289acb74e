#pragma once
// The C runtime's generic-text mappings of a Unicode build (TCHAR, _T) and its wide-character
// fopen. Paths may use either separator; backslashes are mapped to slashes and the UTF-16 text
// becomes the UTF-8 file name of this system. A directory cannot be opened as a file.

#include <cstdio>

#include "../../win32/WinTypes.h"

extern "C" FILE* _wfopen(const WCHAR* path, const WCHAR* mode);
