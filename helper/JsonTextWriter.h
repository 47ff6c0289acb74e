#pragma once
// The compact writer of UTF-16 JSON text: the events of a document (or of a
// value's Accept) written straight into an output block, in the form the JSON
// library's own writer gives them (its escapes, its shortest round-trip
// doubles) but without its character-by-character output: text is scanned and
// copied eight units at a time.

#include <cstdint>
#include <cstring>

#include "Json.h"
#include "Utf16Output.h"

namespace helper {

class JsonTextWriter {
 public:
  using Ch = char16_t;
  using SizeType = rapidjson::SizeType;

  explicit JsonTextWriter(Utf16Output& output) : output_(output) {}

  bool Null();
  bool Bool(bool b) {
    Separate();
    if (b) {
      output_.Append(u"true", 4);
    } else {
      output_.Append(u"false", 5);
    }
    separate_ = true;
    return true;
  }
  bool Int(int i);
  bool Uint(unsigned u);
  bool Int64(std::int64_t i);
  bool Uint64(std::uint64_t u);
  // False for infinity and NaN, which JSON cannot hold.
  bool Double(double d);
  bool RawNumber(const Ch* text, SizeType length, bool copy);
  bool String(const Ch* text, SizeType length, bool copy = false);
  // A string that ends at its first NUL, if there is one among the `length` units.
  bool StringUntilNul(const Ch* text, SizeType length);
  bool Key(const Ch* text, SizeType length, bool copy = false);
  // A key that ends at its NUL.
  bool Key(const Ch* text);
  // A key of the program's own with nothing in it to escape, copied as it is.
  bool PlainKey(const Ch* text, SizeType length) {
    if (length + 3 > output_.Capacity()) {
      return Key(text, length);
    }
    Separate();
    Ch* out = output_.Room(length + 3);
    *out++ = u'"';
    std::memcpy(out, text, length * sizeof(Ch));
    out += length;
    *out++ = u'"';
    *out++ = u':';
    output_.Commit(out);
    separate_ = false;
    return true;
  }
  bool StartObject() {
    Separate();
    output_.Put(u'{');
    separate_ = false;
    return true;
  }
  bool EndObject(SizeType = 0) {
    output_.Put(u'}');
    separate_ = true;
    return true;
  }
  bool StartArray() {
    Separate();
    output_.Put(u'[');
    separate_ = false;
    return true;
  }
  bool EndArray(SizeType = 0) {
    output_.Put(u']');
    separate_ = true;
    return true;
  }

 private:
  // The comma between two values of an array, or two members of an object.
  void Separate() {
    if (separate_) {
      output_.Put(u',');
    }
  }
  void PutAscii(const char* text, const char* end);
  // A number that the library's conversions have spelt out.
  bool RawNumber(const char* text, const char* end);
  void PutString(const Ch* text, const Ch* end, bool untilNul);
  // A string that fits the block even if every unit is escaped, written in place.
  void PutShortString(const Ch* text, const Ch* end, bool untilNul);
  void PutLongString(const Ch* text, const Ch* end, bool untilNul);

  Utf16Output& output_;
  // After a value, the next value or key of the same container needs a comma.
  bool separate_ = false;
};

}  // namespace helper
