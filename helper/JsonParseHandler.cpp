#include "helper/JsonParseHandler.h"

#include <charconv>
#include <limits>
#include <string>

namespace helper {

namespace {

// The power of ten of the number's first significant digit; the text is a
// valid JSON number that is not zero.
long DecimalMagnitude(std::string_view text) {
  long digits = 0;
  long point = -1;
  long firstSignificant = -1;
  std::size_t i = text[0] == '-' ? 1 : 0;
  for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
    if (text[i] == '.') {
      point = digits;
      continue;
    }
    if (firstSignificant < 0 && text[i] != '0') {
      firstSignificant = digits;
    }
    ++digits;
  }
  long exponent = 0;
  if (i < text.size()) {
    const std::size_t start = text[i + 1] == '+' ? i + 2 : i + 1;
    // Beyond this the answer no longer changes.
    constexpr long kLimit = 1L << 40;
    for (std::size_t k = start + (text[start] == '-' ? 1 : 0); k < text.size() && exponent < kLimit; ++k) {
      exponent = exponent * 10 + (text[k] - '0');
    }
    if (text[start] == '-') {
      exponent = -exponent;
    }
  }
  return (point < 0 ? digits : point) - firstSignificant - 1 + exponent;
}

}  // namespace

bool JsonParseHandler::RawNumber(const Ch* text, SizeType length, bool) {
  // The parser has checked the syntax, so every unit is an ASCII character.
  std::string ascii(length, '\0');
  bool integral = true;
  for (SizeType i = 0; i < length; ++i) {
    ascii[i] = static_cast<char>(text[i]);
    integral = integral && ascii[i] != '.' && ascii[i] != 'e' && ascii[i] != 'E';
  }
  return (integral && Integer(ascii)) || Real(ascii);
}

// As the library stores integers: the narrowest of Int, Uint, Int64 and Uint64
// that holds the value; false when none does.
bool JsonParseHandler::Integer(std::string_view text) {
  const char* end = text.data() + text.size();
  if (text[0] == '-') {
    std::int64_t value = 0;
    if (std::from_chars(text.data(), end, value).ec != std::errc()) {
      return false;
    }
    return value >= std::numeric_limits<int>::min() ? document_.Int(static_cast<int>(value)) : document_.Int64(value);
  }
  std::uint64_t value = 0;
  if (std::from_chars(text.data(), end, value).ec != std::errc()) {
    return false;
  }
  return value <= std::numeric_limits<unsigned>::max() ? document_.Uint(static_cast<unsigned>(value))
                                                       : document_.Uint64(value);
}

bool JsonParseHandler::Real(std::string_view text) {
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too small for a double reads as zero; too large fails, as in the library.
    if (DecimalMagnitude(text) >= 0) {
      return false;
    }
    value = text[0] == '-' ? -0.0 : 0.0;
  } else if (result.ec != std::errc()) {
    return false;
  }
  return document_.Double(value);
}

}  // namespace helper
