#include "LabelText.h"

#include "../win32/TextConversion.h"

namespace terminal {

std::u32string ToCells(std::u16string_view text) {
  std::u32string cells;
  cells.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    const bool pair = c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
    if (pair) {
      cells.push_back(0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else {
      cells.push_back(c >= 0xD800 && c < 0xE000 ? U'\uFFFD' : c);
    }
  }
  return cells;
}

std::string ToUtf8(std::u32string_view cells) {
  std::string out;
  for (char32_t c : cells) platform::AppendUtf8(out, c);
  return out;
}

LabelText ParseLabel(std::u16string_view text) {
  LabelText label;
  const std::u32string cells = ToCells(text);
  for (size_t i = 0; i < cells.size(); ++i) {
    if (cells[i] == U'&' && i + 1 < cells.size()) {
      ++i;
      if (cells[i] != U'&' && label.mnemonic < 0) label.mnemonic = static_cast<int>(label.text.size());
    }
    label.text.push_back(cells[i]);
  }
  return label;
}

char32_t LowerCase(char32_t c) {
  return c < 0x10000 ? static_cast<char32_t>(platform::FoldCase(static_cast<char16_t>(c))) : c;
}

char32_t MnemonicOf(std::u16string_view text) {
  const LabelText label = ParseLabel(text);
  return label.mnemonic < 0 ? 0 : LowerCase(label.text[static_cast<size_t>(label.mnemonic)]);
}

}  // namespace terminal
