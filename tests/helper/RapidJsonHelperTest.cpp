#include "helper/RapidJsonHelper.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "helper/JsonWriter.h"

namespace {

using helper::JsonDocument;
using helper::RapidJsonHelper;

std::u16string Nested(unsigned depth) {
  return std::u16string(depth, u'[') + std::u16string(depth, u']');
}

TEST(RapidJsonHelperTest, ParseAcceptsExactlyOneValueWithinTheDepthLimit) {
  const struct {
    std::u16string text;
    bool parsed;
  } cases[] = {
      {u"{\"a\":[1,2.5,\"x\\u00e9\",true,null]}", true},
      {u" \r\n\t{ \"a\" : 1 }\n", true},
      {u"null", true},
      {u"", false},
      {u"{\"a\":1}{}", false},
      {u"{\"a\":1,}", false},
      {u"{'a':1}", false},
      {u"{\"a\":1} // comment", false},
      {u"[NaN]", false},
      {u"[1e999]", false},
      {Nested(RapidJsonHelper::kMaxDepth), true},
      {Nested(RapidJsonHelper::kMaxDepth + 1), false},
      {std::u16string(100000, u'['), false},
      {std::u16string(100000, u'{'), false},
      {u"[" + Nested(RapidJsonHelper::kMaxDepth) + u"]", false},
      {u"[\"\\ud800\"]", false},
      {u"[\"\\ud800\\u0041\"]", false},
  };
  for (const auto& c : cases) {
    JsonDocument copied;
    EXPECT_EQ(RapidJsonHelper::Parse(c.text, copied), c.parsed) << c.text.size();
    std::u16string text = c.text;
    JsonDocument inPlace;
    EXPECT_EQ(RapidJsonHelper::ParseInsitu(text, inPlace), c.parsed) << c.text.size();
  }
}

TEST(RapidJsonHelperTest, NumbersAreReadExactly) {
  const struct {
    std::u16string text;
    double value;
  } doubles[] = {
      {u"0.1", 0.1},
      {u"0.3333333333333333", 1.0 / 3.0},
      {u"1.7976931348623157e308", 1.7976931348623157e308},
      {u"2.2250738585072011e-308", 2.2250738585072011e-308},
      {u"5e-324", 5e-324},
      {u"0e0042", 0.0},
      {u"0.000e308", 0.0},
      {u"-0.0", -0.0},
      {u"1e-400", 0.0},
      {u"-1e-99999999999999999999", -0.0},
      {u"0.0000000000000000000000000000000000001e10", 1e-27},
      {u"123456789012345678901234567890e-10", 12345678901234567890.123456789},
      {u"18446744073709551616", 18446744073709551616.0},
      {u"-9223372036854775809", -9223372036854775809.0},
  };
  for (const auto& c : doubles) {
    std::u16string text = u"[" + c.text + u"]";
    JsonDocument document;
    ASSERT_TRUE(RapidJsonHelper::ParseInsitu(text, document)) << testing::PrintToString(c.text);
    ASSERT_TRUE(document[0].IsDouble()) << testing::PrintToString(c.text);
    EXPECT_EQ(document[0].GetDouble(), c.value) << testing::PrintToString(c.text);
    EXPECT_EQ(std::signbit(document[0].GetDouble()), std::signbit(c.value)) << testing::PrintToString(c.text);
  }
  for (const char16_t* tooLarge : {u"[1e400]", u"[-1e309]", u"[1e99999999999999999999]", u"[0.01e311]"}) {
    JsonDocument document;
    EXPECT_FALSE(RapidJsonHelper::Parse(tooLarge, document)) << testing::PrintToString(tooLarge);
  }
  std::u16string integers = u"[0,-0,2147483647,-2147483648,4294967295,-2147483649,18446744073709551615]";
  JsonDocument document;
  ASSERT_TRUE(RapidJsonHelper::Parse(integers, document));
  EXPECT_TRUE(document[0].IsInt() && document[0].GetInt() == 0);
  EXPECT_TRUE(document[1].IsInt() && document[1].GetInt() == 0);
  EXPECT_TRUE(document[2].IsInt() && document[2].GetInt() == 2147483647);
  EXPECT_TRUE(document[3].IsInt() && document[3].GetInt() == -2147483647 - 1);
  EXPECT_TRUE(!document[4].IsInt() && document[4].IsUint() && document[4].GetUint() == 4294967295u);
  EXPECT_TRUE(!document[5].IsInt() && document[5].IsInt64() && document[5].GetInt64() == -2147483649LL);
  EXPECT_TRUE(document[6].IsUint64() && document[6].GetUint64() == 18446744073709551615ULL);
}

TEST(RapidJsonHelperTest, TextIsReadExactly) {
  std::u16string text = u"[\"a\\\"\u00e9\\u20ac\\n\"]";
  JsonDocument document;
  ASSERT_TRUE(RapidJsonHelper::ParseInsitu(text, document));
  EXPECT_EQ(std::u16string(document[0].GetString(), document[0].GetStringLength()), u"a\"\u00e9\u20ac\n");
}

TEST(RapidJsonHelperTest, LoneSurrogatesAreKeptAsCodeUnits) {
  std::u16string text = u"[\"a\\udc00b\\ud83d\\ude00\",\"\xD800\"]";
  JsonDocument document;
  ASSERT_TRUE(RapidJsonHelper::ParseInsitu(text, document));
  EXPECT_EQ(std::u16string(document[0].GetString(), document[0].GetStringLength()), u"a\xDC00" u"b\U0001F600");
  EXPECT_EQ(std::u16string(document[1].GetString(), document[1].GetStringLength()), u"\xD800");
}

}  // namespace

namespace {

std::u16string Written(const helper::JsonValue& value) {
  std::u16string text;
  helper::Utf16Appender output(text);
  helper::JsonWriter writer(output);
  value.Accept(writer);
  output.Flush();
  return text;
}

TEST(RapidJsonHelperTest, StreamedArrayElementsArriveOneByOne) {
  const struct {
    std::u16string text;
    bool parsed;
    std::vector<std::u16string> elements;
    std::u16string document;
  } cases[] = {
      {u"{\"v\":1,\"tags\":[{\"a\":\"\\u00e9\"},2,\"x\",[3,{}]],\"w\":2}", true,
       {u"{\"a\":\"\u00e9\"}", u"2", u"\"x\"", u"[3,{}]"}, u"{\"v\":1,\"tags\":[],\"w\":2}"},
      {u"{\"tags\":[]}", true, {}, u"{\"tags\":[]}"},
      {u"{\"tags\":{\"a\":[1]}}", true, {}, u"{\"tags\":{\"a\":[1]}}"},
      {u"{\"tags\":null,\"tags\":[1]}", true, {}, u"{\"tags\":null,\"tags\":[1]}"},
      {u"{\"tags\":[1],\"tags\":[2]}", true, {u"1"}, u"{\"tags\":[],\"tags\":[2]}"},
      {u"{\"x\":{\"tags\":[1]}}", true, {}, u"{\"x\":{\"tags\":[1]}}"},
      {u"[{\"tags\":[1]}]", true, {}, u"[{\"tags\":[1]}]"},
      {u"{\"tags\":[1,\"refused\",3]}", false, {u"1", u"\"refused\""}, u""},
      {u"{\"tags\":[1,2", false, {u"1", u"2"}, u""},
      {u"{\"tags\":[" + Nested(RapidJsonHelper::kMaxDepth - 1) + u"]}", false, {}, u""},
      {u"{\"tags\":[" + Nested(RapidJsonHelper::kMaxDepth - 2) + u"]}", true,
       {Nested(RapidJsonHelper::kMaxDepth - 2)}, u"{\"tags\":[]}"},
  };
  for (const auto& c : cases) {
    std::vector<std::u16string> elements;
    const helper::JsonArrayStream stream{u"tags", [&elements](const helper::JsonValue& element) {
                                           elements.push_back(Written(element));
                                           return elements.back() != u"\"refused\"";
                                         }};
    std::u16string text = c.text;
    JsonDocument document;
    ASSERT_EQ(RapidJsonHelper::ParseInsitu(text, document, &stream), c.parsed) << testing::PrintToString(c.text);
    EXPECT_EQ(elements, c.elements) << testing::PrintToString(c.text);
    if (c.parsed) {
      EXPECT_EQ(Written(document), c.document);
    }
  }
}

}  // namespace
