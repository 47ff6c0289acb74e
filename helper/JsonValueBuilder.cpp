#include "JsonValueBuilder.h"

namespace helper {

void JsonValueBuilder::Add(JsonValue& value) {
  if (open_.empty()) {
    result_ = value;
    done_ = true;
  } else if (open_.back().IsArray()) {
    open_.back().PushBack(value, allocator_);
  } else {
    open_.back().AddMember(keys_.back(), value, allocator_);
    keys_.pop_back();
  }
}

JsonValue JsonValueBuilder::Text(const Ch* text, rapidjson::SizeType length) {
  return copy_ ? JsonValue(text, length, allocator_) : JsonValue(rapidjson::StringRef(text, length));
}

void JsonValueBuilder::Key(const Ch* text, rapidjson::SizeType length) { keys_.push_back(Text(text, length)); }

void JsonValueBuilder::End() {
  JsonValue finished(std::move(open_.back()));
  open_.pop_back();
  Add(finished);
}

void JsonValueBuilder::Reset() {
  open_.clear();
  keys_.clear();
  result_.SetNull();
  done_ = false;
}

}  // namespace helper
