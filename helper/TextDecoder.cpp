#include "TextDecoder.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "Utf16Appender.h"

namespace helper {

namespace {

static_assert(std::endian::native == std::endian::little,
              "UTF-16LE file contents are copied to and from memory as they are");

constexpr std::uint64_t kHighBits16 = 0x8000800080008000ULL;
constexpr std::uint64_t kLowBits16 = 0x0001000100010001ULL;

template <typename T>
std::uint64_t Load64(const T* p) {
  std::uint64_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

#ifndef __SSE2__
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
constexpr std::uint64_t kLowBits = 0x0101010101010101ULL;

bool HasZeroByte(std::uint64_t v) { return ((v - kLowBits) & ~v & kHighBits) != 0; }
#endif
bool HasZeroUnit(std::uint64_t v) { return ((v - kLowBits16) & ~v & kHighBits16) != 0; }

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The code page's 0x80-0x9F row; its five unassigned bytes read as spaces.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0020, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x0020, 0x017D, 0x0020,  //
    0x0020, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x0020, 0x017E, 0x0178,
};

constexpr std::size_t kBlock = 4096;

// Whether the sixteen bytes are all below 0x80 and, when a zero byte ends the text, none is zero.
// They are widened to sixteen UTF-16 units at `units` either way; only a true answer keeps them.
bool WidenAscii16(const unsigned char* bytes, char16_t* units, bool zeroEnds) {
#ifdef __SSE2__
  const __m128i zero = _mm_setzero_si128();
  const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(units), _mm_unpacklo_epi8(b, zero));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(units + 8), _mm_unpackhi_epi8(b, zero));
  const int high = _mm_movemask_epi8(b);
  return (zeroEnds ? high | _mm_movemask_epi8(_mm_cmpeq_epi8(b, zero)) : high) == 0;
#else
  const std::uint64_t low = Load64(bytes);
  const std::uint64_t high = Load64(bytes + 8);
  for (int k = 0; k < 16; ++k) {
    units[k] = bytes[k];
  }
  return ((low | high) & kHighBits) == 0 && !(zeroEnds && (HasZeroByte(low) || HasZeroByte(high)));
#endif
}

}  // namespace

bool TextDecoder::IsUtf16(std::string_view head, std::size_t size) {
  return size > 2 && head.size() >= 2 && static_cast<unsigned char>(head[0]) == 0xFF &&
         static_cast<unsigned char>(head[1]) == 0xFE;
}

TextDecoder::Result TextDecoder::Decode(std::string_view bytes, std::u16string& text, TextEncoding* encoding) {
  TextEncoding found = TextEncoding::Utf16Le;
  const Result result = Decode(bytes, text, found);
  if (encoding != nullptr) {
    *encoding = found;
  }
  return result;
}

TextDecoder::Result TextDecoder::Decode(std::string_view bytes, std::u16string& text, TextEncoding& encoding) {
  text.clear();
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  std::size_t size = bytes.size();
  if (IsUtf16(bytes, size)) {
    if (size % 2 != 0) {
      return Result::OddUtf16Size;
    }
    text.reserve((size - 2) / 2);
    char16_t block[kBlock];
    for (std::size_t at = 2; at < size; at += sizeof block) {
      const std::size_t length = std::min(sizeof block, size - at);
      std::memcpy(block, data + at, length);
      if (!AppendUntilNul(block, length / 2, text)) {
        break;
      }
    }
    return Result::Ok;
  }
  encoding = TextEncoding::Utf8;
  if (size > 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
    data += 3;
    size -= 3;
    encoding = TextEncoding::Utf8WithMark;
  }
  if (!DecodeUtf8(data, size, text)) {
    DecodeWindows1252(data, size, text);
    encoding = TextEncoding::Windows1252;
  }
  return Result::Ok;
}

std::size_t TextDecoder::LengthUntilNul(const char16_t* units, std::size_t count) {
  std::size_t end = 0;
  while (end + 4 <= count && !HasZeroUnit(Load64(units + end))) {
    end += 4;
  }
  while (end < count && units[end] != 0) {
    ++end;
  }
  return end;
}

bool TextDecoder::AppendUntilNul(const char16_t* units, std::size_t count, std::u16string& text) {
  const std::size_t end = LengthUntilNul(units, count);
  text.append(units, end);
  return end == count;
}

bool TextDecoder::DecodeUtf8(const unsigned char* data, std::size_t size, std::u16string& text) {
  // No UTF-8 text has more UTF-16 units than bytes, so one allocation holds it. The units go
  // through a block, so that the text's memory is written once and never cleared first.
  text.reserve(size);
  char16_t block[kBlock];
  char16_t* out = block;
  std::size_t i = 0;
  // After the first zero byte the rest is only validated: the text ends there,
  // but any malformed byte still makes the whole file Windows-1252.
  bool writing = true;
  while (i < size) {
    // Room for sixteen units of ASCII, or the two of a surrogate pair.
    if (out > block + kBlock - 16) {
      text.append(block, out);
      out = block;
    }
    // Runs of ASCII, sixteen bytes at a time.
    while (i + 16 <= size && out <= block + kBlock - 16 && WidenAscii16(data + i, out, writing)) {
      if (writing) {
        out += 16;
      }
      i += 16;
    }
    if (i >= size || out > block + kBlock - 16) {
      continue;
    }
    const unsigned char b = data[i];
    char32_t c;
    std::size_t length;
    if (b < 0x80) {
      c = b;
      length = 1;
    } else if (b >= 0xC2 && b <= 0xDF) {
      if (i + 1 >= size || !IsContinuation(data[i + 1])) {
        return false;
      }
      c = ((b & 0x1Fu) << 6) | (data[i + 1] & 0x3Fu);
      length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
      if (i + 2 >= size || !IsContinuation(data[i + 1]) || !IsContinuation(data[i + 2])) {
        return false;
      }
      c = ((b & 0x0Fu) << 12) | ((data[i + 1] & 0x3Fu) << 6) | (data[i + 2] & 0x3Fu);
      // Overlong forms and UTF-16 surrogates are not well-formed.
      if (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF)) {
        return false;
      }
      length = 3;
    } else if (b >= 0xF0 && b <= 0xF4) {
      if (i + 3 >= size || !IsContinuation(data[i + 1]) || !IsContinuation(data[i + 2]) ||
          !IsContinuation(data[i + 3])) {
        return false;
      }
      c = ((b & 0x07u) << 18) | ((data[i + 1] & 0x3Fu) << 12) | ((data[i + 2] & 0x3Fu) << 6) |
          (data[i + 3] & 0x3Fu);
      if (c < 0x10000 || c > 0x10FFFF) {
        return false;
      }
      length = 4;
    } else {
      return false;
    }
    i += length;
    if (c == 0) {
      writing = false;
    }
    if (!writing) {
      continue;
    }
    if (c >= 0x10000) {
      *out++ = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      *out++ = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      *out++ = static_cast<char16_t>(c);
    }
  }
  text.append(block, out);
  return true;
}

void TextDecoder::DecodeWindows1252(const unsigned char* data, std::size_t size, std::u16string& text) {
  const auto* end = static_cast<const unsigned char*>(std::memchr(data, 0, size));
  const std::size_t length = end == nullptr ? size : static_cast<std::size_t>(end - data);
  text.clear();
  text.reserve(length);
  Utf16Appender out(text);
  for (std::size_t i = 0; i < length; ++i) {
    const unsigned char b = data[i];
    out.Put((b >= 0x80 && b < 0xA0) ? kWindows1252High[b - 0x80] : char16_t{b});
  }
}

}  // namespace helper
