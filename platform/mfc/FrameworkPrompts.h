#pragma once
// The framework's own prompts, shown when a data exchange refuses what the user typed.
// The wording is this framework's; %d is filled in.

namespace afx_prompt {

inline constexpr char16_t kInteger[] = u"Please enter an integer.";
inline constexpr char16_t kNumber[] = u"Please enter a number.";
inline constexpr char16_t kIntegerRange[] = u"Please enter an integer between %d and %d.";
inline constexpr char16_t kMaxChars[] = u"Please enter no more than %d characters.";

}  // namespace afx_prompt
