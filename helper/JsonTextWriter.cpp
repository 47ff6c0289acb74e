#include "JsonTextWriter.h"

#include <rapidjson/internal/dtoa.h>
#include <rapidjson/internal/ieee754.h>
#include <rapidjson/internal/itoa.h>

namespace helper {

namespace {

// The escape that follows the backslash, for the characters below 0x20 (u: \u00XX).
constexpr char kControlEscapes[32] = {'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'b', 't', 'n', 'u', 'f', 'r', 'u', 'u',
                                      'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u'};
constexpr char kHexDigits[] = "0123456789ABCDEF";

bool NeedsEscape(char16_t c) { return c < 0x20 || c == u'"' || c == u'\\'; }

}  // namespace

void JsonTextWriter::Prefix() {
  if (levels_.empty()) {
    return;
  }
  Level& level = levels_.back();
  if (level.count > 0) {
    // In an object, keys and values alternate: a value follows its key after a colon.
    output_.Put(level.inArray || level.count % 2 == 0 ? u',' : u':');
  }
  ++level.count;
}

void JsonTextWriter::PutAscii(const char* text, const char* end) {
  for (; text != end; ++text) {
    output_.Put(static_cast<char16_t>(*text));
  }
}

bool JsonTextWriter::Null() {
  Prefix();
  output_.Append(u"null", 4);
  return true;
}

bool JsonTextWriter::Bool(bool b) {
  Prefix();
  if (b) {
    output_.Append(u"true", 4);
  } else {
    output_.Append(u"false", 5);
  }
  return true;
}

bool JsonTextWriter::Int(int i) {
  Prefix();
  char buffer[11];
  PutAscii(buffer, rapidjson::internal::i32toa(i, buffer));
  return true;
}

bool JsonTextWriter::Uint(unsigned u) {
  Prefix();
  char buffer[10];
  PutAscii(buffer, rapidjson::internal::u32toa(u, buffer));
  return true;
}

bool JsonTextWriter::Int64(std::int64_t i) {
  Prefix();
  char buffer[21];
  PutAscii(buffer, rapidjson::internal::i64toa(i, buffer));
  return true;
}

bool JsonTextWriter::Uint64(std::uint64_t u) {
  Prefix();
  char buffer[20];
  PutAscii(buffer, rapidjson::internal::u64toa(u, buffer));
  return true;
}

bool JsonTextWriter::Double(double d) {
  if (rapidjson::internal::Double(d).IsNanOrInf()) {
    return false;
  }
  Prefix();
  char buffer[25];
  PutAscii(buffer, rapidjson::internal::dtoa(d, buffer));
  return true;
}

bool JsonTextWriter::RawNumber(const Ch* text, SizeType length, bool) {
  Prefix();
  output_.Append(text, length);
  return true;
}

bool JsonTextWriter::String(const Ch* text, SizeType length, bool) {
  Prefix();
  output_.Put(u'"');
  const Ch* run = text;
  const Ch* const end = text + length;
  for (const Ch* c = text; c != end; ++c) {
    if (!NeedsEscape(*c)) {
      continue;
    }
    output_.Append(run, static_cast<std::size_t>(c - run));
    run = c + 1;
    output_.Put(u'\\');
    if (*c >= 0x20) {
      output_.Put(*c);
      continue;
    }
    output_.Put(static_cast<char16_t>(kControlEscapes[*c]));
    if (kControlEscapes[*c] == 'u') {
      output_.Append(u"00", 2);
      output_.Put(static_cast<char16_t>(kHexDigits[*c >> 4]));
      output_.Put(static_cast<char16_t>(kHexDigits[*c & 0xF]));
    }
  }
  output_.Append(run, static_cast<std::size_t>(end - run));
  output_.Put(u'"');
  return true;
}

bool JsonTextWriter::Key(const Ch* text) {
  return Key(text, static_cast<SizeType>(std::char_traits<Ch>::length(text)));
}

bool JsonTextWriter::StartObject() {
  Prefix();
  output_.Put(u'{');
  levels_.push_back({false, 0});
  return true;
}

bool JsonTextWriter::EndObject(SizeType) {
  levels_.pop_back();
  output_.Put(u'}');
  return true;
}

bool JsonTextWriter::StartArray() {
  Prefix();
  output_.Put(u'[');
  levels_.push_back({true, 0});
  return true;
}

bool JsonTextWriter::EndArray(SizeType) {
  levels_.pop_back();
  output_.Put(u']');
  return true;
}

}  // namespace helper
