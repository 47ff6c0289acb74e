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

inline constexpr char16_t kInteger[] = u"Please enter an integer.";
inline constexpr char16_t kNumber[] = u"Please enter a number.";
inline constexpr char16_t kIntegerRange[] = u"Please enter an integer between %d and %d.";
inline constexpr char16_t kMaxChars[] = u"Please enter no more than %d characters.";
inline constexpr char16_t kOk[] = u"OK";
inline constexpr char16_t kCancel[] = u"Cancel";
inline constexpr char16_t kApply[] = u"&Apply";

// The string of that id in the current resource module, else the English wording.
CString Load(UINT id, LPCWSTR english);

}  // namespace afx_prompt
