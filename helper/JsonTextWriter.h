#pragma once
// The compact writer of UTF-16 JSON text: the events of a document (or of a
// value's Accept) written straight into an output block, in the form the JSON
// library's own writer gives them (its escapes, its shortest round-trip
// doubles) but without its character-by-character output: text is scanned and
// copied eight units at a time.

#include <cstdint>
#include <vector>

#include "Json.h"
#include "Utf16Output.h"

namespace helper {

class JsonTextWriter {
 public:
  using Ch = char16_t;
  using SizeType = rapidjson::SizeType;

  explicit JsonTextWriter(Utf16Output& output) : output_(output) {}

  bool Null();
  bool Bool(bool b);
  bool Int(int i);
  bool Uint(unsigned u);
  bool Int64(std::int64_t i);
  bool Uint64(std::uint64_t u);
  // False for infinity and NaN, which JSON cannot hold.
  bool Double(double d);
  bool RawNumber(const Ch* text, SizeType length, bool copy);
  bool String(const Ch* text, SizeType length, bool copy = false);
  bool Key(const Ch* text, SizeType length, bool copy = false) { return String(text, length, copy); }
  // A key that ends at its NUL.
  bool Key(const Ch* text);
  bool StartObject();
  bool EndObject(SizeType memberCount = 0);
  bool StartArray();
  bool EndArray(SizeType elementCount = 0);

 private:
  struct Level {
    bool inArray;
    unsigned count;
  };

  // The comma or colon that comes before the next value or key.
  void Prefix();
  void PutAscii(const char* text, const char* end);
  // A string that fits the block even if every unit is escaped, written in place.
  void PutShortString(const Ch* text, const Ch* end);
  void PutLongString(const Ch* text, const Ch* end);

  Utf16Output& output_;
  std::vector<Level> levels_;
};

}  // namespace helper
