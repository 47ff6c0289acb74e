#pragma once
// The framework's own prompts, shown when a data exchange refuses what the user typed.
// The wording is this framework's; %d is filled in.

namespace afx_prompt {

inline constexpr WCHAR kInteger[] = TEXT("Please enter an integer.");
inline constexpr WCHAR kNumber[] = TEXT("Please enter a number.");
inline constexpr WCHAR kIntegerRange[] = TEXT("Please enter an integer between %d and %d.");
inline constexpr WCHAR kMaxChars[] = TEXT("Please enter no more than %d characters.");

}  // namespace afx_prompt
