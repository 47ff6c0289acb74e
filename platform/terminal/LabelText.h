#pragma once
// Text as the terminal's cells show it: one code point a cell, and a control's "&" prefix
// resolved into the mnemonic character that is shown underlined.

#include <string>
#include <string_view>

namespace terminal {

struct LabelText {
  std::u32string text;
  int mnemonic = -1;  // index of the mnemonic character in text; -1 for none
};

std::u32string ToCells(std::u16string_view text);
// Cells as UTF-8, for the terminal.
std::string ToUtf8(std::u32string_view cells);
// "&File" is File with F marked; "&&" is a plain "&".
LabelText ParseLabel(std::u16string_view text);
// The lower-case mnemonic character of a control's text; 0 for none.
char32_t MnemonicOf(std::u16string_view text);
char32_t LowerCase(char32_t c);

}  // namespace terminal
