#include "JsonFields.h"

#include <cmath>
#include <limits>

namespace data {

const JsonValue* JsonFields::Find(const JsonValue& object, const char16_t* key) {
  const auto member = object.FindMember(key);
  return member == object.MemberEnd() ? nullptr : &member->value;
}

bool JsonFields::Read(const JsonValue& object, const char16_t* key, std::int32_t& value) {
  const JsonValue* number = Find(object, key);
  if (number == nullptr) {
    return false;
  }
  if (number->IsInt()) {
    value = number->GetInt();
    return true;
  }
  // 5.0 or 5e0 hold an integral value too.
  if (number->IsDouble()) {
    const double d = number->GetDouble();
    if (d == std::trunc(d) && d >= std::numeric_limits<std::int32_t>::min() &&
        d <= std::numeric_limits<std::int32_t>::max()) {
      value = static_cast<std::int32_t>(d);
      return true;
    }
  }
  return false;
}

bool JsonFields::Read(const JsonValue& object, const char16_t* key, double& value) {
  const JsonValue* number = Find(object, key);
  if (number == nullptr || !number->IsNumber()) {
    return false;
  }
  value = number->GetDouble();
  return true;
}

bool JsonFields::Read(const JsonValue& object, const char16_t* key, bool& value) {
  const JsonValue* flag = Find(object, key);
  if (flag == nullptr || !flag->IsBool()) {
    return false;
  }
  value = flag->GetBool();
  return true;
}

bool JsonFields::Read(const JsonValue& object, const char16_t* key, std::u16string& value) {
  const JsonValue* text = Find(object, key);
  if (text == nullptr || !text->IsString()) {
    return false;
  }
  value = View(*text);
  return true;
}

std::u16string_view JsonFields::View(const JsonValue& string) {
  const std::u16string_view text(string.GetString(), string.GetStringLength());
  return text.substr(0, text.find(u'\0'));
}

JsonValue JsonFields::Text(const std::u16string& text) {
  const std::size_t end = std::u16string_view(text).find(u'\0');
  const std::size_t length = end == std::u16string_view::npos ? text.size() : end;
  return JsonValue(JsonKey(text.data(), static_cast<rapidjson::SizeType>(length)));
}

}  // namespace data
