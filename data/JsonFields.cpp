#include "JsonFields.h"

#include <cmath>
#include <limits>

#include "Utf8Conversion.h"

namespace data {

const JsonValue* JsonFields::Find(const JsonValue& object, const char16_t* key) {
  const auto member = object.FindMember(key);
  return member == object.MemberEnd() ? nullptr : &member->value;
}

bool JsonFields::Read(const JsonValue& object, const char16_t* key, std::int32_t& value) {
  const JsonValue* number = Find(object, key);
  if (number == nullptr) {
    return Refuse(number, key, "");
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
  return Refuse(number, key, "expected a whole number of 32 bits");
}

bool JsonFields::Read(const JsonValue& object, const char16_t* key, double& value) {
  const JsonValue* number = Find(object, key);
  if (number == nullptr || !number->IsNumber()) {
    return Refuse(number, key, "expected a number");
  }
  value = number->GetDouble();
  return true;
}

bool JsonFields::Read(const JsonValue& object, const char16_t* key, bool& value) {
  const JsonValue* flag = Find(object, key);
  if (flag == nullptr || !flag->IsBool()) {
    return Refuse(flag, key, "expected true or false");
  }
  value = flag->GetBool();
  return true;
}

bool JsonFields::Read(const JsonValue& object, const char16_t* key, std::u16string& value) {
  const JsonValue* text = Find(object, key);
  if (text == nullptr || !text->IsString()) {
    return Refuse(text, key, "expected a string");
  }
  value = View(*text);
  return true;
}

std::u16string_view JsonFields::View(const JsonValue& string) {
  const std::u16string_view text(string.GetString(), string.GetStringLength());
  return text.substr(0, text.find(u'\0'));
}

std::string JsonFields::Utf8(std::u16string_view text) { return platform::Utf16ToUtf8(text); }

bool JsonFields::Refuse(const JsonValue* value, const char16_t* key, std::string_view expected) {
  return ReadFailure::Report(key, value == nullptr ? "missing" : expected);
}

}  // namespace data
