#pragma once
// The functions a host calls by name: C linkage, UTF-16 strings, caller-cleaned stack.

#include <afxwin.h>
#include <windows.h>

#define TAGPROPERTIES_API AFX_API_EXPORT

extern "C" {

// 1 when the tag's properties may be edited, else 0.
TAGPROPERTIES_API BOOL DBCanEditTagProperties(LPCWSTR tagName);
// 1 when the tag properties dialog was closed with OK; 0 when cancelled or no tag has that name.
TAGPROPERTIES_API BOOL DBEditTagProperties(LPCWSTR tagName);
// 1 when the property sheet was shown, whichever button closed it; 0 for an unknown tag.
TAGPROPERTIES_API BOOL DBTagProperties(LPCWSTR tagName);
// Applies a UI language such as "en-US"; null counts as empty (the built-in English).
TAGPROPERTIES_API void __LumoraSetLanguage__(LPCWSTR languageCode);

}  // extern "C"

// How a host holds the exports it looked up by name.
typedef BOOL (*TAGPROPERTIESPROC)(LPCWSTR tagName);
typedef void (*SETLANGUAGEPROC)(LPCWSTR languageCode);
