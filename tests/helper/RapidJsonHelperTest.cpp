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
      {u"null", true},
      {u"", false},
      {u"{\"a\":1}{}", false},
      {u"{\"a\":1,}", false},
      {u"{\"a\":1} // comment", false},
      {u"[NaN]", false},
      {Nested(RapidJsonHelper::kMaxDepth), true},
      {Nested(RapidJsonHelper::kMaxDepth + 1), false},
      {std::u16string(100000, u'['), false},
      {std::u16string(100000, u'{'), false},
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
      {u"0.3333333333333333", 1.0 / 3.0},
      {u"1.7976931348623157e308", 1.7976931348623157e308},
      {u"2.2250738585072011e-308", 2.2250738585072011e-308},
      {u"5e-324", 5e-324},
      {u"-0.0", -0.0},
      {u"1e-400", 0.0},
      {u"-1e-99999999999999999999", -0.0},
      {u"18446744073709551616", 18446744073709551616.0},
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
  // Each in the narrowest of int, unsigned, int64 and uint64 that holds it.
  EXPECT_TRUE(document[0].IsInt() && document[1].IsInt() && document[1].GetInt() == 0);
  EXPECT_TRUE(document[2].IsInt() && document[3].IsInt() && document[3].GetInt() == -2147483647 - 1);
  EXPECT_TRUE(!document[4].IsInt() && document[4].IsUint() && !document[5].IsInt() && document[5].IsInt64());
  EXPECT_TRUE(document[6].IsUint64() && document[6].GetUint64() == 18446744073709551615ULL);
}

// Escapes are decoded; lone surrogates, escaped or not, are kept as code units.
TEST(RapidJsonHelperTest, TextIsReadExactly) {
  std::u16string text = u"[\"a\\\"\u00e9\\u20ac\\n\",\"a\\udc00b\\ud83d\\ude00\",\"\xD800\"]";
  JsonDocument document;
  ASSERT_TRUE(RapidJsonHelper::ParseInsitu(text, document));
  const std::u16string expected[] = {u"a\"\u00e9\u20ac\n", u"a\xDC00" u"b\U0001F600", u"\xD800"};
  for (unsigned i = 0; i < 3; ++i) {
    EXPECT_EQ(std::u16string(document[i].GetString(), document[i].GetStringLength()), expected[i]);
  }
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
