#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "data/TagsDatabase.h"
#include "tests/data/Samples.h"

namespace {

using data::ParseTagsDatabase;
using data::SerializeTagsDatabase;

std::u16string TagsText(const std::shared_ptr<data::TagsDatabaseData>& database) {
  std::u16string text;
  EXPECT_TRUE(SerializeTagsDatabase(database, &text, nullptr));
  return text;
}

std::shared_ptr<data::TagData> Tag(const std::u16string& name) {
  auto tag = std::make_shared<data::TagData>();
  tag->name = name;
  return tag;
}

TEST(TagsDatabaseWriteTest, FilesInWrittenFormReadAndWriteBackIdentically) {
  const auto database = ParseTagsDatabase(tests::kTagsJson, tests::kClassesJson);
  ASSERT_TRUE(database);
  std::u16string tags;
  std::u16string classes;
  ASSERT_TRUE(SerializeTagsDatabase(database, &tags, &classes));
  EXPECT_EQ(tags, tests::kTagsJson);
  EXPECT_EQ(classes, tests::kClassesJson);
}

TEST(TagsDatabaseWriteTest, EmptyPartsAreLeftOut) {
  auto database = std::make_shared<data::TagsDatabaseData>();
  std::u16string tags = u"stale";
  std::u16string classes = u"stale";
  ASSERT_TRUE(SerializeTagsDatabase(database, &tags, &classes));
  EXPECT_EQ(tags, u"{\"version\":1}");
  EXPECT_EQ(classes, u"{\"version\":1}");

  database->tags[u"T"] = Tag(u"T");
  database->tags[u"T"]->tagClass = std::make_shared<data::TagClassData>();
  database->tags[u"T"]->corvane = std::make_shared<data::CorvaneData>();
  EXPECT_EQ(TagsText(database),
            u"{\"version\":1,\"tags\":[{\"id\":-1,\"name\":\"T\",\"size\":0,\"type\":\"Boolean\",\"description\":\"\","
            u"\"scope\":\"Server\",\"external_availability\":\"Disabled\",\"isPointer\":false,"
            u"\"class\":{\"id\":-1,\"name\":\"\"},\"corvane\":{\"value\":false,\"alarm\":false}}]}");

  database->tags[u"T"] = Tag(u"T");
  EXPECT_EQ(TagsText(database),
            u"{\"version\":1,\"tags\":[{\"id\":-1,\"name\":\"T\",\"size\":0,\"type\":\"Boolean\",\"description\":\"\","
            u"\"scope\":\"Server\",\"external_availability\":\"Disabled\",\"isPointer\":false}]}");
}

TEST(TagsDatabaseWriteTest, AMissingAvailabilityIsWrittenDisabledAndUnknownKeysAreGone) {
  using tests::Replace;
  const std::u16string availability = u"\"external_availability\":\"ReadWrite\"";
  EXPECT_EQ(TagsText(ParseTagsDatabase(Replace(tests::kTagsJson, availability + u",", u""), std::nullopt)),
            Replace(tests::kTagsJson, availability, u"\"external_availability\":\"Disabled\""));
  EXPECT_EQ(TagsText(ParseTagsDatabase(Replace(tests::kTagsJson, u"\"id\":7,", u"\"id\":7,\"colour\":\"red\","), std::nullopt)),
            tests::kTagsJson);
}

TEST(TagsDatabaseWriteTest, TagsAreWrittenInNameOrderAndListsInTheirOwn) {
  const auto database = ParseTagsDatabase(
      u"{\"version\":1,\"tags\":["
      u"{\"id\":1,\"name\":\"b\",\"size\":0,\"type\":\"Real\",\"description\":\"\",\"scope\":\"Server\",\"isPointer\":false,"
      u"\"alarms\":[{\"type\":\"Lo\",\"group\":1,\"priority\":1,\"message\":\"\",\"selection\":\"\",\"limit\":1,\"member\":\"\"},"
      u"{\"type\":\"HiHi\",\"group\":2,\"priority\":1,\"message\":\"\",\"selection\":\"\",\"limit\":1,\"member\":\"\"}]},"
      u"{\"id\":2,\"name\":\"a\",\"size\":0,\"type\":\"Real\",\"description\":\"\",\"scope\":\"Server\",\"isPointer\":false},"
      u"{\"id\":3,\"name\":\"B\",\"size\":0,\"type\":\"Real\",\"description\":\"\",\"scope\":\"Server\",\"isPointer\":false},"
      u"{\"id\":4,\"name\":\"_\",\"size\":0,\"type\":\"Real\",\"description\":\"\",\"scope\":\"Server\",\"isPointer\":false}]}",
      std::nullopt);
  ASSERT_TRUE(database);
  const std::u16string text = TagsText(database);
  const std::size_t positions[] = {text.find(u"\"id\":3"), text.find(u"\"id\":4"), text.find(u"\"id\":2"),
                                   text.find(u"\"id\":1")};
  EXPECT_TRUE(std::is_sorted(std::begin(positions), std::end(positions))) << testing::PrintToString(text);
  EXPECT_LT(text.find(u"\"type\":\"Lo\""), text.find(u"\"type\":\"HiHi\""));
}

TEST(TagsDatabaseWriteTest, DoublesAreWrittenInShortestRoundTripForm) {
  const struct {
    double value;
    std::u16string text;
  } cases[] = {
      {5.0, u"5.0"},
      {0.1, u"0.1"},
      {-0.0, u"-0.0"},
      {1.0 / 3.0, u"0.3333333333333333"},
      {100.25, u"100.25"},
      {123456789012.0, u"123456789012.0"},
      {1e21, u"1e21"},
      {1e-7, u"1e-7"},
      {5e-324, u"5e-324"},
      {1.7976931348623157e308, u"1.7976931348623157e308"},
      {2.2250738585072014e-308, u"2.2250738585072014e-308"},
  };
  for (const auto& c : cases) {
    auto database = std::make_shared<data::TagsDatabaseData>();
    auto tag = Tag(u"T");
    tag->histories.push_back(std::make_shared<data::HistoryData>());
    tag->histories[0]->deadBand = c.value;
    database->tags[u"T"] = tag;
    const std::u16string text = TagsText(database);
    EXPECT_NE(text.find(u"\"deadBand\":" + c.text + u"}"), std::u16string::npos) << testing::PrintToString(text);
    const auto back = ParseTagsDatabase(text, std::nullopt);
    ASSERT_TRUE(back);
    const double read = back->tags.at(u"T")->histories[0]->deadBand;
    EXPECT_EQ(std::signbit(read), std::signbit(c.value));
    EXPECT_EQ(read, c.value);
  }
}

TEST(TagsDatabaseWriteTest, StringsAreEscapedAndEndAtTheirFirstNul) {
  auto database = std::make_shared<data::TagsDatabaseData>();
  auto tag = Tag(u"T");
  using namespace std::string_literals;
  tag->description = u"q\" b\\ / \n\t\x01 \u00e9\U0001F600 \xDC00 end\0hidden"s;
  database->tags[u"T"] = tag;
  const std::u16string text = TagsText(database);
  const std::u16string written = u"\"description\":\"q\\\" b\\\\ / \\n\\t\\u0001 \u00e9\U0001F600 \xDC00 end\"";
  EXPECT_NE(text.find(written), std::u16string::npos) << testing::PrintToString(text);
  const auto back = ParseTagsDatabase(text, std::nullopt);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->tags.at(u"T")->description, tag->description.substr(0, tag->description.find(u'\0')));
}

TEST(TagsDatabaseWriteTest, ValuesOutsideTheTablesAreWrittenEmpty) {
  auto database = std::make_shared<data::TagsDatabaseData>();
  auto tag = Tag(u"T");
  tag->type = static_cast<data::TagType>(9);
  tag->scope = static_cast<data::TagScope>(-1);
  database->tags[u"T"] = tag;
  const std::u16string text = TagsText(database);
  EXPECT_NE(text.find(u"\"type\":\"\",\"description\":\"\",\"scope\":\"\""), std::u16string::npos);
  EXPECT_FALSE(ParseTagsDatabase(text, std::nullopt));
}

TEST(TagsDatabaseWriteTest, SerializeFailsWithoutDatabaseOutputsOrAWritableNumber) {
  auto database = std::make_shared<data::TagsDatabaseData>();
  std::u16string text;
  EXPECT_FALSE(SerializeTagsDatabase(nullptr, &text, &text));
  EXPECT_FALSE(SerializeTagsDatabase(database, nullptr, nullptr));
  std::u16string classes = u"untouched";
  EXPECT_TRUE(SerializeTagsDatabase(database, &text, nullptr));
  EXPECT_TRUE(SerializeTagsDatabase(database, nullptr, &classes));
  EXPECT_EQ(classes, u"{\"version\":1}");

  auto tag = Tag(u"T");
  tag->histories.push_back(std::make_shared<data::HistoryData>());
  tag->histories[0]->deadBand = std::numeric_limits<double>::quiet_NaN();
  database->tags[u"T"] = tag;
  EXPECT_FALSE(SerializeTagsDatabase(database, &text, nullptr));
}

}  // namespace
