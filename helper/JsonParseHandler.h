#pragma once
// Turns the parser's events into a document, with rules of our own: nesting
// deeper than a limit fails the parse (so no input can exhaust the stack);
// numbers arrive as text and are converted here, exactly, because the JSON
// library's own conversion rounds some doubles and misreads others
// ("0e0042"); and the elements of one array of the root object can be handed
// over one at a time instead of being kept, so that a file of a hundred
// thousand records never becomes a document of them all.

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "Json.h"
#include "JsonValueBuilder.h"

namespace helper {

// The root object's array under `key`: each element goes to `element` as soon
// as it is parsed (false there fails the parse); the document keeps the array
// empty. Only the first such key counts, as for any lookup of a key.
struct JsonArrayStream {
  std::u16string_view key;
  std::function<bool(const JsonValue& element)> element;
};

class JsonParseHandler {
 public:
  using Ch = JsonEncoding::Ch;
  using SizeType = rapidjson::SizeType;

  // Whether the document copies its strings or refers to them in the parsed text.
  enum class Strings { Copy, Refer };

  JsonParseHandler(JsonDocument& document, unsigned maxDepth, Strings strings, const JsonArrayStream* stream);

  // The parsed value, once the parse has succeeded.
  JsonValue& Result() { return main_.Result(); }

  bool Null() { return Scalar(JsonValue()); }
  bool Bool(bool b) { return Scalar(JsonValue(b)); }
  bool Int(int i) { return Scalar(JsonValue(i)); }
  bool Uint(unsigned i) { return Scalar(JsonValue(i)); }
  bool Int64(std::int64_t i) { return Scalar(JsonValue(i)); }
  bool Uint64(std::uint64_t i) { return Scalar(JsonValue(i)); }
  bool Double(double d) { return Scalar(JsonValue(d)); }
  // False for a number too large for a double.
  bool RawNumber(const Ch* text, SizeType length, bool copy);
  bool String(const Ch* text, SizeType length, bool copy);
  bool Key(const Ch* text, SizeType length, bool copy);
  bool StartObject();
  bool EndObject(SizeType count);
  bool StartArray();
  bool EndArray(SizeType count);

 private:
  enum class StreamState { Waiting, KeySeen, Streaming, Over };

  // The builder that takes the next value, given that it starts a value.
  JsonValueBuilder& TargetOfValue(bool startsArray);
  JsonValueBuilder& TargetOfEnd();
  bool Scalar(JsonValue&& value);
  // Hands a finished element over; false when it was refused.
  bool Finish(JsonValueBuilder& target);
  bool Integer(std::string_view text, JsonValue& number);
  bool Real(std::string_view text, JsonValue& number);

  // One element's values live here and are cleared after it.
  static constexpr std::size_t kElementBufferSize = 64 * 1024;
  std::unique_ptr<char[]> elementBuffer_;
  JsonAllocator elementAllocator_;
  JsonValueBuilder main_;
  JsonValueBuilder element_;
  unsigned maxDepth_;
  unsigned depth_ = 0;
  const JsonArrayStream* stream_;
  StreamState state_;
};

}  // namespace helper
