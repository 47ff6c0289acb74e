// The integration files' writer against the JSON library's own compact writer: the same text for
// every kind of value, every escape and numbers at their edges.

#include "helper/JsonTextWriter.h"

#include <gtest/gtest.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cmath>
#include <limits>
#include <string>

#include "helper/RapidJsonHelper.h"

namespace {

using helper::JsonValue;

std::u16string Ours(const JsonValue& value, bool* written = nullptr) {
  std::u16string text;
  helper::Utf16Appender output(text);
  helper::JsonTextWriter writer(output);
  const bool done = value.Accept(writer);
  output.Flush();
  if (written != nullptr) *written = done;
  return text;
}

std::u16string Library(const JsonValue& value, bool* written = nullptr) {
  rapidjson::GenericStringBuffer<helper::JsonEncoding> buffer;
  rapidjson::Writer<decltype(buffer), helper::JsonEncoding, helper::JsonEncoding> writer(buffer);
  const bool done = value.Accept(writer);
  if (written != nullptr) *written = done;
  return std::u16string(buffer.GetString(), buffer.GetSize() / sizeof(char16_t));
}

TEST(JsonTextWriterTest, WritesWhatTheLibrarysWriterWrites) {
  std::u16string controls;
  for (char16_t c = 0; c < 0x20; ++c) controls += c;
  const std::u16string texts[] = {
      u"",
      u"plain",
      controls,
      u"quote \" backslash \\ slash / tab\tend",
      u"\u00e9\u6d41\u91cf \U0001F321 \x7f",
      std::u16string(5000, u'x') + u"\n" + std::u16string(5000, u'y'),
  };
  const double doubles[] = {0.0, -0.0, 5.0, 0.1, -10.5, 65535.0, 1e21, 1.7976931348623157e308, 5e-324, 2.9};
  helper::JsonDocument document;
  auto& a = document.GetAllocator();
  document.SetObject();
  JsonValue strings(rapidjson::kArrayType);
  for (const auto& text : texts) {
    strings.PushBack(JsonValue(text.data(), static_cast<rapidjson::SizeType>(text.size()), a), a);
  }
  JsonValue numbers(rapidjson::kArrayType);
  for (const double d : doubles) numbers.PushBack(d, a);
  for (const int i : {0, -1, 7, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
    numbers.PushBack(i, a);
  }
  numbers.PushBack(std::numeric_limits<std::uint64_t>::max(), a);
  numbers.PushBack(std::numeric_limits<std::int64_t>::min(), a);
  numbers.PushBack(4000000000u, a);
  document.AddMember(u"strings", strings, a);
  document.AddMember(u"numbers", numbers, a);
  document.AddMember(u"key \"quoted\"\n", JsonValue(rapidjson::kObjectType), a);
  JsonValue nested(rapidjson::kArrayType);
  nested.PushBack(JsonValue(rapidjson::kArrayType), a).PushBack(JsonValue(), a).PushBack(true, a).PushBack(false, a);
  document.AddMember(u"nested", nested, a);
  EXPECT_EQ(Ours(document), Library(document));
}

TEST(JsonTextWriterTest, RefusesNumbersThatJsonCannotHold) {
  for (const double d : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                         std::nan("")}) {
    bool ours = true;
    bool library = true;
    JsonValue value(rapidjson::kArrayType);
    helper::JsonDocument document;
    value.PushBack(d, document.GetAllocator());
    Ours(value, &ours);
    Library(value, &library);
    EXPECT_FALSE(ours);
    EXPECT_EQ(ours, library);
  }
}

}  // namespace
