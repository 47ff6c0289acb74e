#pragma once
// The framework's own texts: the prompts shown when a data exchange refuses what the user typed
// (%d is filled in) and the property sheet's buttons. A module's string table may hold them under
// the framework's ids, as a language module does in its language; without them the framework's
// English wording below is used.

#include "CString.h"

#ifndef AFX_IDP_PARSE_INT
#define AFX_IDP_PARSE_INT 0xF110
#define AFX_IDP_PARSE_REAL 0xF111
#define AFX_IDP_PARSE_INT_RANGE 0xF112
#define AFX_IDP_PARSE_STRING_SIZE 0xF114
#endif
#ifndef AFX_IDS_SHEET_OK
#define AFX_IDS_SHEET_OK 0xF1E0
#define AFX_IDS_SHEET_CANCEL 0xF1E1
#define AFX_IDS_SHEET_APPLY 0xF1E2
#endif

namespace afx_prompt {

inline constexpr WCHAR kInteger[] = TEXT("Please enter an integer.");
inline constexpr WCHAR kNumber[] = TEXT("Please enter a number.");
inline constexpr WCHAR kIntegerRange[] = TEXT("Please enter an integer between %d and %d.");
inline constexpr WCHAR kMaxChars[] = TEXT("Please enter no more than %d characters.");
inline constexpr WCHAR kOk[] = TEXT("OK");
inline constexpr WCHAR kCancel[] = TEXT("Cancel");
inline constexpr WCHAR kApply[] = TEXT("&Apply");

// The string of that id in the current resource module, else the English wording.
CString Load(UINT id, LPCWSTR english);

}  // namespace afx_prompt
