#include "JsonParseHandler.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>

namespace helper {

namespace {

// The power of ten of the number's first significant digit; the text is a
// valid JSON number that is not zero.
std::int64_t DecimalMagnitude(std::string_view text) {
  std::int64_t digits = 0;
  std::int64_t point = -1;
  std::int64_t firstSignificant = -1;
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
  std::int64_t exponent = 0;
  if (i < text.size()) {
    const std::size_t start = text[i + 1] == '+' ? i + 2 : i + 1;
    // Beyond this the answer no longer changes.
    constexpr std::int64_t kLimit = std::int64_t{1} << 40;
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

JsonParseHandler::JsonParseHandler(JsonDocument& document, unsigned maxDepth, Strings strings,
                                   const JsonArrayStream* stream)
    : elementBuffer_(std::make_unique_for_overwrite<char[]>(kElementBufferSize)),
      elementAllocator_(elementBuffer_.get(), kElementBufferSize),
      main_(document.GetAllocator(), strings == Strings::Copy),
      element_(elementAllocator_, strings == Strings::Copy),
      maxDepth_(maxDepth),
      stream_(stream),
      state_(stream == nullptr ? StreamState::Over : StreamState::Waiting) {}

JsonValueBuilder& JsonParseHandler::TargetOfValue(bool startsArray) {
  if (state_ == StreamState::KeySeen) {
    if (startsArray) {
      state_ = StreamState::Streaming;
      return main_;
    }
    state_ = StreamState::Over;
  }
  // The root object is depth 1, the streamed array 2, its elements 3.
  return state_ == StreamState::Streaming && depth_ >= 2 ? element_ : main_;
}

JsonValueBuilder& JsonParseHandler::TargetOfEnd() {
  if (state_ == StreamState::Streaming) {
    if (depth_ >= 3) {
      return element_;
    }
    state_ = StreamState::Over;
  }
  return main_;
}

bool JsonParseHandler::Finish(JsonValueBuilder& target) {
  if (&target != &element_ || !element_.Done()) {
    return true;
  }
  const bool accepted = stream_->element(element_.Result());
  element_.Reset();
  elementAllocator_.Clear();
  return accepted;
}

bool JsonParseHandler::Scalar(JsonValue&& value) {
  JsonValueBuilder& target = TargetOfValue(false);
  target.Add(value);
  return Finish(target);
}

bool JsonParseHandler::String(const Ch* text, SizeType length, bool) {
  JsonValueBuilder& target = TargetOfValue(false);
  JsonValue value = target.Text(text, length);
  target.Add(value);
  return Finish(target);
}

bool JsonParseHandler::Key(const Ch* text, SizeType length, bool) {
  if (state_ == StreamState::Waiting && depth_ == 1 && std::u16string_view(text, length) == stream_->key) {
    state_ = StreamState::KeySeen;
  }
  (state_ == StreamState::Streaming && depth_ >= 3 ? element_ : main_).Key(text, length);
  return true;
}

bool JsonParseHandler::StartObject() {
  JsonValueBuilder& target = TargetOfValue(false);
  if (++depth_ > maxDepth_) {
    return false;
  }
  target.StartObject();
  return true;
}

bool JsonParseHandler::StartArray() {
  JsonValueBuilder& target = TargetOfValue(true);
  if (++depth_ > maxDepth_) {
    return false;
  }
  target.StartArray();
  return true;
}

bool JsonParseHandler::EndObject(SizeType) { return EndArray(0); }

bool JsonParseHandler::EndArray(SizeType) {
  JsonValueBuilder& target = TargetOfEnd();
  --depth_;
  target.End();
  return Finish(target);
}

bool JsonParseHandler::RawNumber(const Ch* text, SizeType length, bool) {
  // The parser has checked the syntax, so every unit is an ASCII character.
  std::string ascii(length, '\0');
  bool integral = true;
  for (SizeType i = 0; i < length; ++i) {
    ascii[i] = static_cast<char>(text[i]);
    integral = integral && ascii[i] != '.' && ascii[i] != 'e' && ascii[i] != 'E';
  }
  JsonValue value;
  return ((integral && Integer(ascii, value)) || Real(ascii, value)) && Scalar(std::move(value));
}

// As the library stores integers: the narrowest of int, unsigned, int64 and
// uint64 that holds the value; false when none does.
bool JsonParseHandler::Integer(std::string_view text, JsonValue& number) {
  const char* end = text.data() + text.size();
  if (text[0] == '-') {
    std::int64_t value = 0;
    if (std::from_chars(text.data(), end, value).ec != std::errc()) {
      return false;
    }
    number = value >= std::numeric_limits<int>::min() ? JsonValue(static_cast<int>(value)) : JsonValue(value);
    return true;
  }
  std::uint64_t value = 0;
  if (std::from_chars(text.data(), end, value).ec != std::errc()) {
    return false;
  }
  number = value <= std::numeric_limits<unsigned>::max() ? JsonValue(static_cast<unsigned>(value)) : JsonValue(value);
  return true;
}

bool JsonParseHandler::Real(std::string_view text, JsonValue& number) {
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
  number.SetDouble(value);
  return true;
}

}  // namespace helper
