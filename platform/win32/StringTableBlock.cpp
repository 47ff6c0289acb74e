#include "StringTableBlock.h"

#include "LittleEndianReader.h"

namespace platform {

std::optional<std::u16string_view> StringTableBlock::Find(const BYTE* data, size_t size, unsigned index) {
  if (index > 15) return std::nullopt;
  LittleEndianReader reader(data, size);
  for (unsigned i = 0;; ++i) {
    WORD length = 0;
    if (!reader.Word(length)) return std::nullopt;
    const auto* text = reinterpret_cast<const char16_t*>(reader.Here());
    if (!reader.Skip(length * size_t{2})) return std::nullopt;
    if (i == index) return std::u16string_view(text, length);
  }
}

}  // namespace platform
