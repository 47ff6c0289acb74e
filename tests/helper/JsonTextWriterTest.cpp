// The integration files' writer against the JSON library's own compact writer: the same text for
// every kind of value, every escape and numbers at their edges; the same refusals.

#include "helper/JsonTextWriter.h"
#include "helper/Utf16Appender.h"

#include <gtest/gtest.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cmath>
#include <limits>
#include <string>

#include "helper/RapidJsonHelper.h"

namespace {

using helper::JsonValue;
using Limits = std::numeric_limits<double>;

// The text, or "refused" when the writer refuses the value.
std::u16string Ours(const JsonValue& value) {
  std::u16string text;
  helper::Utf16Appender output(text);
  helper::JsonTextWriter writer(output);
  const bool written = value.Accept(writer);
  output.Flush();
  return written ? text : u"refused";
}

std::u16string Library(const JsonValue& value) {
  rapidjson::GenericStringBuffer<helper::JsonEncoding> buffer;
  rapidjson::Writer<decltype(buffer), helper::JsonEncoding, helper::JsonEncoding> writer(buffer);
  return value.Accept(writer) ? std::u16string(buffer.GetString(), buffer.GetSize() / sizeof(char16_t)) : u"refused";
}

TEST(JsonTextWriterTest, WritesWhatTheLibrarysWriterWrites) {
  std::u16string controls;
  for (char16_t c = 0; c < 0x20; ++c) controls += c;
  // Longer than the output's block, so that a run goes straight into the text.
  const std::u16string texts[] = {u"", controls, u"quote \" backslash \\ slash / tab\tend",
                                  u"\u00e9\u6d41 \U0001F321 \x7f", std::u16string(5000, u'x') + u"\n" + u"y"};
  helper::JsonDocument document;
  auto& a = document.GetAllocator();
  document.SetObject();
  JsonValue values(rapidjson::kArrayType);
  for (const auto& text : texts) values.PushBack(JsonValue(text.data(), static_cast<rapidjson::SizeType>(text.size()), a), a);
  for (const double d : {0.0, -0.0, 5.0, 0.1, -10.5, 65535.0, 1e21, Limits::max(), Limits::denorm_min()}) {
    values.PushBack(d, a);
  }
  for (const int i : {0, -7, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) values.PushBack(i, a);
  values.PushBack(std::numeric_limits<std::uint64_t>::max(), a).PushBack(std::numeric_limits<std::int64_t>::min(), a);
  values.PushBack(4000000000u, a).PushBack(JsonValue(), a).PushBack(true, a).PushBack(false, a);
  values.PushBack(JsonValue(rapidjson::kArrayType), a);
  document.AddMember(u"key \"quoted\"\n", JsonValue(rapidjson::kObjectType), a);
  document.AddMember(u"values", values, a);
  EXPECT_EQ(Ours(document), Library(document));

  for (const double d : {Limits::infinity(), -Limits::infinity(), Limits::quiet_NaN()}) {
    JsonValue refused(rapidjson::kArrayType);
    refused.PushBack(d, a);
    EXPECT_EQ(Ours(refused), u"refused");
    EXPECT_EQ(Library(refused), u"refused");
  }
}

}  // namespace
