#pragma once
// Passes the parser's events to a document, with two rules of our own:
// nesting deeper than a limit fails the parse (so no input can exhaust the
// stack), and numbers arrive as text and are converted here, exactly. The JSON
// library's own conversion rounds some doubles and misreads others ("0e0042").

#include <cstdint>
#include <string_view>

#include "helper/Json.h"

namespace helper {

class JsonParseHandler {
 public:
  using Ch = JsonEncoding::Ch;
  using SizeType = rapidjson::SizeType;

  // Whether the document copies its strings or refers to them in the parsed text.
  enum class Strings { Copy, Refer };

  JsonParseHandler(JsonDocument& document, unsigned maxDepth, Strings strings)
      : document_(document), maxDepth_(maxDepth), copy_(strings == Strings::Copy) {}

  bool Null() { return document_.Null(); }
  bool Bool(bool b) { return document_.Bool(b); }
  bool Int(int i) { return document_.Int(i); }
  bool Uint(unsigned i) { return document_.Uint(i); }
  bool Int64(std::int64_t i) { return document_.Int64(i); }
  bool Uint64(std::uint64_t i) { return document_.Uint64(i); }
  bool Double(double d) { return document_.Double(d); }
  // False for a number too large for a double.
  bool RawNumber(const Ch* text, SizeType length, bool copy);
  bool String(const Ch* text, SizeType length, bool) { return document_.String(text, length, copy_); }
  bool Key(const Ch* text, SizeType length, bool) { return document_.Key(text, length, copy_); }
  bool StartObject() { return Enter() && document_.StartObject(); }
  bool EndObject(SizeType count) { return Leave() && document_.EndObject(count); }
  bool StartArray() { return Enter() && document_.StartArray(); }
  bool EndArray(SizeType count) { return Leave() && document_.EndArray(count); }

 private:
  bool Enter() { return ++depth_ <= maxDepth_; }
  bool Leave() {
    --depth_;
    return true;
  }
  bool Integer(std::string_view text);
  bool Real(std::string_view text);

  JsonDocument& document_;
  unsigned maxDepth_;
  bool copy_;
  unsigned depth_ = 0;
};

}  // namespace helper
