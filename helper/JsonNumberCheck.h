#pragma once
// Takes the same events as JsonTextWriter and writes nothing: it tells, before
// a file is opened and cut, whether every number of what is about to be
// written can be written (JSON holds no infinity and no NaN).

#include <cmath>
#include <cstdint>

#include "Json.h"

namespace helper {

class JsonNumberCheck {
 public:
  using Ch = char16_t;
  using SizeType = rapidjson::SizeType;

  bool Null() { return true; }
  bool Bool(bool) { return true; }
  bool Int(int) { return true; }
  bool Uint(unsigned) { return true; }
  bool Int64(std::int64_t) { return true; }
  bool Uint64(std::uint64_t) { return true; }
  bool Double(double d) { return std::isfinite(d); }
  bool RawNumber(const Ch*, SizeType, bool) { return true; }
  bool String(const Ch*, SizeType, bool = false) { return true; }
  bool StringUntilNul(const Ch*, SizeType) { return true; }
  bool Key(const Ch*, SizeType, bool = false) { return true; }
  bool PlainKey(const Ch*, SizeType) { return true; }
  bool StartObject() { return true; }
  bool EndObject(SizeType = 0) { return true; }
  bool StartArray() { return true; }
  bool EndArray(SizeType = 0) { return true; }
};

}  // namespace helper
