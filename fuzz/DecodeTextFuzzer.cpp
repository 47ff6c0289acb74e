// The decoding step of helper::FileFunctions::ReadFile on arbitrary bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "helper/TextDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::u16string text;
  const auto result = helper::TextDecoder::Decode(bytes, text);
  // The text ends before its first NUL and never holds more units than there were bytes.
  if (text.find(u'\0') != std::u16string::npos || text.size() > size ||
      (result != helper::TextDecoder::Result::Ok && !text.empty())) {
    __builtin_trap();
  }
  return 0;
}
