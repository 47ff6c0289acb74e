#include "helper/RapidJsonHelper.h"

#include <gtest/gtest.h>

#include "helper/FileFunctions.h"
#include "tests/helper/TempFolder.h"

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
  };
  for (const auto& c : cases) {
    JsonDocument copied;
    EXPECT_EQ(RapidJsonHelper::Parse(c.text, copied), c.parsed) << c.text.size();
    std::u16string text = c.text;
    JsonDocument inPlace;
    EXPECT_EQ(RapidJsonHelper::ParseInsitu(text, inPlace), c.parsed) << c.text.size();
  }
}

TEST(RapidJsonHelperTest, NumbersAndTextAreReadExactly) {
  std::u16string text = u"[0.1,1.7976931348623157e308,5e-324,2.2250738585072011e-308,\"a\\\"\u00e9\\u20ac\"]";
  JsonDocument document;
  ASSERT_TRUE(RapidJsonHelper::ParseInsitu(text, document));
  EXPECT_EQ(document[0].GetDouble(), 0.1);
  EXPECT_EQ(document[1].GetDouble(), 1.7976931348623157e308);
  EXPECT_EQ(document[2].GetDouble(), 5e-324);
  EXPECT_EQ(document[3].GetDouble(), 2.2250738585072011e-308);
  EXPECT_EQ(std::u16string(document[4].GetString(), document[4].GetStringLength()), u"a\"\u00e9\u20ac");
}

TEST(RapidJsonHelperTest, FromFileReadsAnyEncoding) {
  tests::TempFolder folder;
  folder.WriteBytes("utf8.json", "{\"name\":\"caf\xC3\xA9\"}");
  folder.WriteBytes("ansi.json", "{\"name\":\"caf\xE9\"}");
  ASSERT_TRUE(helper::FileFunctions::WriteFile(folder.WidePath("utf16.json"), u"{\"name\":\"caf\u00E9\"}"));
  for (const char* name : {"utf8.json", "ansi.json", "utf16.json"}) {
    JsonDocument document;
    ASSERT_TRUE(RapidJsonHelper::FromFile(folder.WidePath(name), document)) << name;
    EXPECT_EQ(std::u16string(document[u"name"].GetString()), u"caf\u00E9") << name;
  }
  JsonDocument document;
  folder.WriteBytes("deep.json", std::string(100000, '['));
  EXPECT_FALSE(RapidJsonHelper::FromFile(folder.WidePath("deep.json"), document));
}

}  // namespace
