#pragma once
// Builds one JSON value from parser events, in a given allocator.

#include <vector>

#include "Json.h"

namespace helper {

class JsonValueBuilder {
 public:
  using Ch = JsonEncoding::Ch;

  // With `copyStrings` false, string values refer to the parsed text.
  JsonValueBuilder(JsonAllocator& allocator, bool copyStrings) : allocator_(allocator), copy_(copyStrings) {}

  // A scalar, or a finished container; `value` is moved from.
  void Add(JsonValue& value);
  JsonValue Text(const Ch* text, rapidjson::SizeType length);
  void Key(const Ch* text, rapidjson::SizeType length);
  void StartObject() { open_.emplace_back(rapidjson::kObjectType); }
  void StartArray() { open_.emplace_back(rapidjson::kArrayType); }
  void End();

  // True once a whole value has been built; Result then holds it.
  bool Done() const { return done_; }
  JsonValue& Result() { return result_; }
  // Ready for the next value; the allocator is the caller's to clear.
  void Reset();

 private:
  JsonAllocator& allocator_;
  bool copy_;
  std::vector<JsonValue> open_;
  std::vector<JsonValue> keys_;
  JsonValue result_;
  bool done_ = false;
};

}  // namespace helper
