#include "JsonTextWriter.h"

#include <rapidjson/internal/dtoa.h>
#include <rapidjson/internal/ieee754.h>
#include <rapidjson/internal/itoa.h>

#include <cstring>
#include <string>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace helper {

namespace {

// The escape that follows the backslash, for the characters below 0x20 (u: \u00XX).
constexpr char kControlEscapes[32] = {'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'b', 't', 'n', 'u', 'f', 'r', 'u', 'u',
                                      'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u'};
constexpr char kHexDigits[] = "0123456789ABCDEF";
// The most units one unit of a string can become: \u00XX.
constexpr std::size_t kLongestEscape = 6;

bool NeedsEscape(char16_t c) { return c < 0x20 || c == u'"' || c == u'\\'; }

// Writes the escape of `c` at `out`; returns where it ends.
char16_t* PutEscape(char16_t c, char16_t* out) {
  *out++ = u'\\';
  if (c >= 0x20) {
    *out++ = c;
    return out;
  }
  *out++ = static_cast<char16_t>(kControlEscapes[c]);
  if (kControlEscapes[c] == 'u') {
    *out++ = u'0';
    *out++ = u'0';
    *out++ = static_cast<char16_t>(kHexDigits[c >> 4]);
    *out++ = static_cast<char16_t>(kHexDigits[c & 0xF]);
  }
  return out;
}

#ifdef __SSE2__
// A bit pair per unit of the eight at `text` that needs escaping.
int EscapeMask(const char16_t* text) {
  const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text));
  // Below 0x20 exactly when subtracting 0x1F (saturating) leaves zero.
  const __m128i control = _mm_cmpeq_epi16(_mm_subs_epu16(units, _mm_set1_epi16(0x1F)), _mm_setzero_si128());
  const __m128i quote = _mm_cmpeq_epi16(units, _mm_set1_epi16('"'));
  const __m128i backslash = _mm_cmpeq_epi16(units, _mm_set1_epi16('\\'));
  return _mm_movemask_epi8(_mm_or_si128(control, _mm_or_si128(quote, backslash)));
}
#endif

// The first unit from `text` on that needs escaping, or `end`.
const char16_t* PlainUntil(const char16_t* text, const char16_t* end) {
#ifdef __SSE2__
  while (end - text >= 8) {
    const int mask = EscapeMask(text);
    if (mask != 0) {
      return text + __builtin_ctz(static_cast<unsigned>(mask)) / 2;
    }
    text += 8;
  }
#endif
  while (text != end && !NeedsEscape(*text)) {
    ++text;
  }
  return text;
}

}  // namespace

void JsonTextWriter::PutAscii(const char* text, const char* end) {
  char16_t* out = output_.Room(static_cast<std::size_t>(end - text));
  for (; text != end; ++text) {
    *out++ = static_cast<char16_t>(*text);
  }
  output_.Commit(out);
}

bool JsonTextWriter::Null() {
  Separate();
  output_.Append(u"null", 4);
  separate_ = true;
  return true;
}

bool JsonTextWriter::Int(int i) {
  char buffer[11];
  return RawNumber(buffer, rapidjson::internal::i32toa(i, buffer));
}

bool JsonTextWriter::Uint(unsigned u) {
  char buffer[10];
  return RawNumber(buffer, rapidjson::internal::u32toa(u, buffer));
}

bool JsonTextWriter::Int64(std::int64_t i) {
  char buffer[21];
  return RawNumber(buffer, rapidjson::internal::i64toa(i, buffer));
}

bool JsonTextWriter::Uint64(std::uint64_t u) {
  char buffer[20];
  return RawNumber(buffer, rapidjson::internal::u64toa(u, buffer));
}

bool JsonTextWriter::Double(double d) {
  if (rapidjson::internal::Double(d).IsNanOrInf()) {
    return false;
  }
  char buffer[25];
  return RawNumber(buffer, rapidjson::internal::dtoa(d, buffer));
}

bool JsonTextWriter::RawNumber(const char* text, const char* end) {
  Separate();
  PutAscii(text, end);
  separate_ = true;
  return true;
}

bool JsonTextWriter::RawNumber(const Ch* text, SizeType length, bool) {
  Separate();
  output_.Append(text, length);
  separate_ = true;
  return true;
}

void JsonTextWriter::PutShortString(const Ch* text, const Ch* end, bool untilNul) {
  const auto length = static_cast<std::size_t>(end - text);
  Ch* out = output_.Room(length * kLongestEscape + 2);
  *out++ = u'"';
#ifdef __SSE2__
  // Eight units are copied before they are looked at: the room is there either way.
  while (end - text >= 8) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_loadu_si128(reinterpret_cast<const __m128i*>(text)));
    const int mask = EscapeMask(text);
    if (mask == 0) {
      text += 8;
      out += 8;
      continue;
    }
    const int plain = __builtin_ctz(static_cast<unsigned>(mask)) / 2;
    out += plain;
    text += plain;
    if (*text == 0 && untilNul) {
      end = text;
      break;
    }
    out = PutEscape(*text++, out);
  }
#endif
  for (; text != end; ++text) {
    if (!NeedsEscape(*text)) {
      *out++ = *text;
    } else if (*text == 0 && untilNul) {
      break;
    } else {
      out = PutEscape(*text, out);
    }
  }
  *out++ = u'"';
  output_.Commit(out);
}

void JsonTextWriter::PutLongString(const Ch* text, const Ch* end, bool untilNul) {
  output_.Put(u'"');
  while (true) {
    const Ch* const run = PlainUntil(text, end);
    output_.Append(text, static_cast<std::size_t>(run - text));
    if (run == end || (*run == 0 && untilNul)) {
      break;
    }
    Ch* const out = output_.Room(kLongestEscape);
    output_.Commit(PutEscape(*run, out));
    text = run + 1;
  }
  output_.Put(u'"');
}

void JsonTextWriter::PutString(const Ch* text, const Ch* end, bool untilNul) {
  if ((static_cast<std::size_t>(end - text) + 1) * kLongestEscape <= output_.Capacity()) {
    PutShortString(text, end, untilNul);
  } else {
    PutLongString(text, end, untilNul);
  }
}

bool JsonTextWriter::String(const Ch* text, SizeType length, bool) {
  Separate();
  PutString(text, text + length, false);
  separate_ = true;
  return true;
}

bool JsonTextWriter::StringUntilNul(const Ch* text, SizeType length) {
  Separate();
  PutString(text, text + length, true);
  separate_ = true;
  return true;
}

bool JsonTextWriter::Key(const Ch* text, SizeType length, bool) {
  Separate();
  PutString(text, text + length, false);
  output_.Put(u':');
  separate_ = false;
  return true;
}

bool JsonTextWriter::Key(const Ch* text) {
  return Key(text, static_cast<SizeType>(std::char_traits<Ch>::length(text)));
}

}  // namespace helper
