#include <gtest/gtest.h>

#include "data/TagsDatabase.h"
#include "tests/data/Samples.h"

namespace {

using data::ParseTagsDatabase;
using tests::kClassesJson;
using tests::kTagsJson;
using tests::Replace;
using testing::PrintToString;

// Fields read into their members and absent keys' defaults show in TagsDatabaseWriteTest's round trip.

// The faults whose failure text LoadFailureTest does not already check, and numbers a key takes.
TEST(TagsDatabaseReadTest, EveryFaultFailsTheWholeLoad) {
  const std::u16string tagFaults[] = {
      Replace(kTagsJson, u"\"id\":7", u"\"id\":7.5"),
      Replace(kTagsJson, u"\"id\":7", u"\"id\":2147483648"),
      Replace(kTagsJson, u"\"id\":7", u"\"id\":\"7\""),
      Replace(kTagsJson, u"\"external_availability\":\"ReadWrite\"", u"\"external_availability\":\"readwrite\""),
      Replace(kTagsJson, u"{\"id\":12,\"name\":\"Fault\"}", u"{\"id\":12}"),
      Replace(kTagsJson, u"\"value\":true,\"alarm\":false,", u"\"value\":true,"),
      Replace(kTagsJson, u"\"sampleCount\":100,", u""),
      Replace(kTagsJson, u"\"limit\":12.5", u"\"limit\":\"12.5\""),
      Replace(kTagsJson, u",\"deadBand\":0.5}", u"}"),
      Replace(kTagsJson, u"\"histories\":[{\"version\":1,\"enable\":true,\"group\":4,\"deadBand\":0.5},",
              u"\"histories\":{\"version\":1,\"enable\":true,\"group\":4,\"deadBand\":0.5},\"x\":["),
      Replace(kTagsJson, u"\"version\":1,", u""),
      u"{\"version\":1,\"tags\":{}}",
      kTagsJson.substr(0, kTagsJson.size() - 1),
  };
  for (const auto& text : tagFaults) EXPECT_FALSE(ParseTagsDatabase(text, kClassesJson)) << PrintToString(text);
  const std::u16string classFaults[] = {
      Replace(kClassesJson, u"\"version\":1,", u""),
      Replace(kClassesJson, u",\"description\":\"rpm\"", u""),
      Replace(kClassesJson, u"{\"id\":4,", u"{"),
      u"{\"version\":1,\"classes\":{}}",
      u"{\"version\":1,",
  };
  for (const auto& text : classFaults) EXPECT_FALSE(ParseTagsDatabase(kTagsJson, text)) << PrintToString(text);

  // An integral double fills an integer key; any number fills a double key.
  const auto database = ParseTagsDatabase(Replace(kTagsJson, u"\"id\":7", u"\"id\":7e2"), kClassesJson);
  ASSERT_TRUE(database);
  EXPECT_EQ(database->tags.at(u"Motor1")->id, 700);
  for (const std::u16string number : {u"5", u"18446744073709551615"}) {
    EXPECT_TRUE(ParseTagsDatabase(Replace(kTagsJson, u"1500.0", number), kClassesJson)) << PrintToString(number);
  }
}

// Tags of one name fail (LoadFailureTest); classes and members of one name keep the last.
TEST(TagsDatabaseReadTest, LaterDuplicatesReplaceEarlierOnes) {
  const auto database = ParseTagsDatabase(
      u"{\"version\":1,\"tags\":[{\"id\":1,\"name\":\"T\",\"size\":0,\"type\":\"Class\",\"description\":\"\","
      u"\"scope\":\"Server\",\"isPointer\":false,\"class\":{\"id\":2,\"name\":\"C\",\"members\":["
      u"{\"id\":10,\"name\":\"M\"},{\"id\":11,\"name\":\"M\",\"corvane\":{\"value\":true,\"alarm\":false}}]}}]}",
      u"{\"version\":1,\"classes\":[{\"id\":5,\"name\":\"C\"},{\"id\":2,\"name\":\"C\",\"members\":["
      u"{\"id\":1,\"name\":\"A\",\"type\":\"Real\",\"description\":\"first\"},"
      u"{\"id\":2,\"name\":\"A\",\"type\":\"Integer\",\"description\":\"second\"}]}]}");
  ASSERT_TRUE(database);
  EXPECT_EQ(database->tags.at(u"T")->tagClass->members.at(u"M")->id, 11);
  EXPECT_EQ(database->classes.at(u"C")->id, 2);
  EXPECT_EQ(database->classes.at(u"C")->members.at(u"A")->description, u"second");
}

TEST(TagsDatabaseReadTest, ClassesVersionMustEqualTagsVersion) {
  const struct {
    std::optional<std::u16string> tags, classes;
    std::int32_t version;  // 0: the load fails
  } cases[] = {
      {u"{\"version\":7}", u"{\"version\":7}", 7}, {u"{\"version\":1}", u"{\"version\":2}", 0},
      {u"{\"version\":2}", u"{\"version\":1}", 0}, {u"", u"{\"version\":1}", 1},
      {std::nullopt, u"{\"version\":1}", 1},       {u"", u"{\"version\":3}", 0},
      {u"{\"version\":3}", u"", 3},                {std::nullopt, std::nullopt, 1},
  };
  for (const auto& c : cases) {
    const auto database = ParseTagsDatabase(c.tags, c.classes);
    ASSERT_EQ(database != nullptr, c.version != 0) << PrintToString(c.tags) << PrintToString(c.classes);
    if (database) {
      EXPECT_EQ(database->version, c.version);
      EXPECT_TRUE(database->tags.empty() && database->classes.empty());
    }
  }
}

}  // namespace
