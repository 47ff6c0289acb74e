#include <gtest/gtest.h>

#include "data/TagsDatabase.h"
#include "tests/data/Samples.h"

namespace {

using data::ParseTagsDatabase;
using tests::kClassesJson;
using tests::kTagsJson;
using tests::Replace;

// The written form reads and writes back identically (TagsDatabaseWriteTest), so a field read into
// the wrong member shows there; these are what a reader and writer wrong in the same way would hide.
TEST(TagsDatabaseReadTest, FieldsLandInTheirRecordsDecoded) {
  const auto database = ParseTagsDatabase(kTagsJson, kClassesJson);
  ASSERT_TRUE(database);
  ASSERT_EQ(database->tags.size(), 2u);
  const data::TagData& tag = *database->tags.at(u"Motor1");
  EXPECT_EQ(tag.type, data::TagType::Class);
  EXPECT_EQ(tag.externalAvailability, data::ExternalAvailability::ReadWrite);
  const data::HistorianData& historian = *tag.tagClass->members.at(u"Speed")->corvane->historian;
  EXPECT_EQ(historian.trendScaleMin, -10.5);
  EXPECT_EQ(historian.interpolationType, data::InterpolationType::Linear);
  EXPECT_EQ(tag.alarms[0]->type, data::AlarmKind::DeviationPlus);
  EXPECT_EQ(tag.histories[1]->group, -1);
  EXPECT_EQ(database->tags.at(u"Pump1")->description, u"Pump \"P1\"");
  EXPECT_EQ(database->classes.at(u"Motor")->members.at(u"Speed")->type, data::TagType::Real);
}

TEST(TagsDatabaseReadTest, AbsentOptionalKeysLeaveTheDefaults) {
  const auto database = ParseTagsDatabase(
      u"{\"version\":1,\"tags\":[{\"id\":1,\"name\":\"T\",\"size\":0,\"type\":\"Integer\",\"description\":\"\","
      u"\"scope\":\"Server\",\"isPointer\":false,\"class\":{\"id\":2,\"name\":\"C\"},"
      u"\"corvane\":{\"value\":true,\"alarm\":true}}]}",
      u"{\"version\":1,\"classes\":[{\"id\":2,\"name\":\"C\"}]}");
  ASSERT_TRUE(database);
  const data::TagData& tag = *database->tags.at(u"T");
  EXPECT_EQ(tag.externalAvailability, data::ExternalAvailability::Disabled);
  EXPECT_TRUE(tag.tagClass->members.empty());
  EXPECT_FALSE(tag.corvane->historian);
  EXPECT_TRUE(tag.alarms.empty());
  EXPECT_TRUE(tag.histories.empty());
  EXPECT_TRUE(database->classes.at(u"C")->members.empty());

  const struct {
    std::optional<std::u16string> tags;
    std::optional<std::u16string> classes;
  } empties[] = {{std::nullopt, std::nullopt}, {u"", u""}, {u"{\"version\":1}", u"{\"version\":1}"}};
  for (const auto& texts : empties) {
    const auto empty = ParseTagsDatabase(texts.tags, texts.classes);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->version, 1);
    EXPECT_TRUE(empty->tags.empty());
    EXPECT_TRUE(empty->classes.empty());
  }
}

TEST(TagsDatabaseReadTest, EveryFaultFailsTheWholeLoad) {
  struct Case {
    const char* what;
    std::u16string text;
  };
  const Case tagFaults[] = {
      {"fraction in an integer key", Replace(kTagsJson, u"\"id\":7", u"\"id\":7.5")},
      {"integer above 32 bits", Replace(kTagsJson, u"\"id\":7", u"\"id\":2147483648")},
      {"integer below 32 bits", Replace(kTagsJson, u"\"sampleCount\":100", u"\"sampleCount\":-2147483649")},
      {"integral double beyond 32 bits", Replace(kTagsJson, u"\"size\":2", u"\"size\":1e10")},
      {"integer as a string", Replace(kTagsJson, u"\"id\":7", u"\"id\":\"7\"")},
      {"missing tag id", Replace(kTagsJson, u"\"id\":7,", u"")},
      {"missing tag size", Replace(kTagsJson, u"\"size\":2,", u"")},
      {"missing isPointer", Replace(kTagsJson, u",\"isPointer\":true", u"")},
      {"bool as a number", Replace(kTagsJson, u"\"isPointer\":true", u"\"isPointer\":1")},
      {"bool as a string", Replace(kTagsJson, u"\"enable\":true,\"group\":4", u"\"enable\":\"true\",\"group\":4")},
      {"type in lower case", Replace(kTagsJson, u"\"type\":\"Class\"", u"\"type\":\"class\"")},
      {"scope not in its table", Replace(kTagsJson, u"\"scope\":\"Local\"", u"\"scope\":\"Global\"")},
      {"interpolation in combo-box wording",
       Replace(kTagsJson, u"\"interpolationType\":\"Linear\"", u"\"interpolationType\":\"Default\"")},
      {"external availability unmatched",
       Replace(kTagsJson, u"\"external_availability\":\"ReadWrite\"", u"\"external_availability\":\"readwrite\"")},
      {"external availability of the wrong kind",
       Replace(kTagsJson, u"\"external_availability\":\"ReadWrite\"", u"\"external_availability\":1")},
      {"string key holding null", Replace(kTagsJson, u"\"description\":\"Main motor\"", u"\"description\":null")},
      {"name as a number", Replace(kTagsJson, u"\"name\":\"Pump1\"", u"\"name\":1")},
      {"object key holding null",
       Replace(kTagsJson, u"\"corvane\":{\"value\":false,\"alarm\":true}", u"\"corvane\":null")},
      {"object key holding an array",
       Replace(kTagsJson, u"\"corvane\":{\"value\":false,\"alarm\":true}", u"\"corvane\":[]")},
      {"class key holding a string",
       Replace(kTagsJson, u"\"class\":{\"id\":3,\"name\":\"Motor\",\"members\":[", u"\"class\":\"Motor\",\"x\":{\"members\":[")},
      {"missing member name", Replace(kTagsJson, u"{\"id\":12,\"name\":\"Fault\"}", u"{\"id\":12}")},
      {"member that is not an object", Replace(kTagsJson, u"{\"id\":12,\"name\":\"Fault\"}", u"12")},
      {"missing integration alarm", Replace(kTagsJson, u"\"value\":true,\"alarm\":false,", u"\"value\":true,")},
      {"missing historian key", Replace(kTagsJson, u"\"sampleCount\":100,", u"")},
      {"double as a string", Replace(kTagsJson, u"\"limit\":12.5", u"\"limit\":\"12.5\"")},
      {"alarm kind in upper case", Replace(kTagsJson, u"\"type\":\"Dev+\"", u"\"type\":\"DEV+\"")},
      {"missing alarm message", Replace(kTagsJson, u"\"message\":\"Too fast\",", u"")},
      {"history group with a fraction", Replace(kTagsJson, u"\"group\":4,", u"\"group\":4.5,")},
      {"histories holding an object",
       Replace(kTagsJson, u"\"histories\":[{\"version\":1,\"enable\":true,\"group\":4,\"deadBand\":0.5},", u"\"histories\":{\"version\":1,\"enable\":true,\"group\":4,\"deadBand\":0.5},\"x\":[")},
      {"alarm that is not an object", Replace(kTagsJson, u"\"alarms\":[", u"\"alarms\":[1,")},
      {"two tags of one name", Replace(kTagsJson, u"\"name\":\"Pump1\"", u"\"name\":\"Motor1\"")},
      {"tags root is an array", u"[" + kTagsJson + u"]"},
      {"tags root is a string", u"\"x\""},
      {"missing version", Replace(kTagsJson, u"\"version\":1,", u"")},
      {"version as a string", Replace(kTagsJson, u"\"version\":1", u"\"version\":\"1\"")},
      {"tags holding an object", u"{\"version\":1,\"tags\":{}}"},
      {"tags holding null", u"{\"version\":1,\"tags\":null}"},
      {"trailing comma", Replace(kTagsJson, u"]}", u",]}")},
      {"truncated text", kTagsJson.substr(0, kTagsJson.size() - 1)},
      {"two values", kTagsJson + u"{}"},
      {"nesting a hundred thousand deep", std::u16string(100000, u'[')},
  };
  for (const auto& c : tagFaults) EXPECT_FALSE(ParseTagsDatabase(c.text, kClassesJson)) << c.what;
  const Case classFaults[] = {
      {"classes version differs", Replace(kClassesJson, u"\"version\":1", u"\"version\":2")},
      {"classes version missing", Replace(kClassesJson, u"\"version\":1,", u"")},
      {"class member type unmatched", Replace(kClassesJson, u"\"type\":\"Real\"", u"\"type\":\"Float\"")},
      {"class member missing description", Replace(kClassesJson, u",\"description\":\"rpm\"", u"")},
      {"class missing id", Replace(kClassesJson, u"{\"id\":4,", u"{")},
      {"classes holding an object", u"{\"version\":1,\"classes\":{}}"},
      {"class that is not an object", u"{\"version\":1,\"classes\":[[]]}"},
      {"classes syntax error", u"{\"version\":1,"},
  };
  for (const auto& c : classFaults) EXPECT_FALSE(ParseTagsDatabase(kTagsJson, c.text)) << c.what;
  EXPECT_FALSE(ParseTagsDatabase(u"", u"{\"version\":3}")) << "classes only, version 3";
}

TEST(TagsDatabaseReadTest, IntegralNumbersAndUnknownKeysAreAccepted) {
  const struct {
    const char* what;
    std::u16string tags;
    std::int32_t id;
    double trendScaleMax;
  } cases[] = {
      {"integral value written as a fraction", Replace(kTagsJson, u"\"id\":7", u"\"id\":7.0"), 7, 1500.0},
      {"integral value with an exponent", Replace(kTagsJson, u"\"id\":7", u"\"id\":7e2"), 700, 1500.0},
      {"lowest 32-bit integer", Replace(kTagsJson, u"\"id\":7", u"\"id\":-2147483648"), INT32_MIN, 1500.0},
      {"highest 32-bit integer", Replace(kTagsJson, u"\"id\":7", u"\"id\":2147483647"), INT32_MAX, 1500.0},
      {"integer in a double key", Replace(kTagsJson, u"\"trendScaleMax\":1500.0", u"\"trendScaleMax\":5"), 7, 5.0},
      {"big integer in a double key",
       Replace(kTagsJson, u"\"trendScaleMax\":1500.0", u"\"trendScaleMax\":18446744073709551615"), 7,
       18446744073709551615.0},
      {"unknown keys everywhere",
       Replace(Replace(Replace(kTagsJson, u"\"id\":7,", u"\"id\":7,\"colour\":[{\"deep\":{}}],"), u"\"enable\":true,",
                       u"\"enable\":true,\"x\":null,"),
               u"\"version\":1", u"\"version\":1,\"generator\":\"x\""),
       7, 1500.0},
      {"whitespace between tokens", u" \r\n{ \"version\" : 1 ,\t\"tags\" : [ " + tests::kFullTagJson + u" ] }\r\n", 7,
       1500.0},
  };
  for (const auto& c : cases) {
    const auto database = ParseTagsDatabase(c.tags, kClassesJson);
    ASSERT_TRUE(database) << c.what;
    const data::TagData& tag = *database->tags.begin()->second;
    EXPECT_EQ(tag.id, c.id) << c.what;
    EXPECT_EQ(tag.tagClass->members.at(u"Speed")->corvane->historian->trendScaleMax, c.trendScaleMax) << c.what;
  }
}

TEST(TagsDatabaseReadTest, LaterDuplicatesReplaceEarlierOnesExceptForTags) {
  const auto database = ParseTagsDatabase(
      u"{\"version\":1,\"tags\":[{\"id\":1,\"name\":\"T\",\"size\":0,\"type\":\"Class\",\"description\":\"\","
      u"\"scope\":\"Server\",\"isPointer\":false,\"class\":{\"id\":2,\"name\":\"C\",\"members\":["
      u"{\"id\":10,\"name\":\"M\"},{\"id\":11,\"name\":\"M\",\"corvane\":{\"value\":true,\"alarm\":false}}]}}]}",
      u"{\"version\":1,\"classes\":[{\"id\":2,\"name\":\"C\",\"members\":["
      u"{\"id\":1,\"name\":\"A\",\"type\":\"Real\",\"description\":\"first\"},"
      u"{\"id\":2,\"name\":\"A\",\"type\":\"Integer\",\"description\":\"second\"}]},"
      u"{\"id\":5,\"name\":\"C\"}]}");
  ASSERT_TRUE(database);
  const auto& members = database->tags.at(u"T")->tagClass->members;
  ASSERT_EQ(members.size(), 1u);
  EXPECT_EQ(members.at(u"M")->id, 11);
  EXPECT_TRUE(members.at(u"M")->corvane);
  ASSERT_EQ(database->classes.size(), 1u);
  EXPECT_EQ(database->classes.at(u"C")->id, 5);
  EXPECT_TRUE(database->classes.at(u"C")->members.empty());

  const auto classMembers = ParseTagsDatabase(std::nullopt, u"{\"version\":1,\"classes\":[{\"id\":2,\"name\":\"C\",\"members\":["
                                                              u"{\"id\":1,\"name\":\"A\",\"type\":\"Real\",\"description\":\"first\"},"
                                                              u"{\"id\":2,\"name\":\"A\",\"type\":\"Integer\",\"description\":\"second\"}]}]}");
  ASSERT_TRUE(classMembers);
  const auto& a = *classMembers->classes.at(u"C")->members.at(u"A");
  EXPECT_EQ(a.id, 2);
  EXPECT_EQ(a.type, data::TagType::Integer);
  EXPECT_EQ(a.description, u"second");
}

TEST(TagsDatabaseReadTest, ClassesVersionMustEqualTagsVersion) {
  const struct {
    std::optional<std::u16string> tags;
    std::u16string classes;
    bool loads;
    std::int32_t version;
  } cases[] = {
      {u"{\"version\":7}", u"{\"version\":7}", true, 7},
      {u"{\"version\":1}", u"{\"version\":2}", false, 0},
      {u"{\"version\":2}", u"{\"version\":1}", false, 0},
      {u"", u"{\"version\":1}", true, 1},
      {std::nullopt, u"{\"version\":1}", true, 1},
      {u"", u"{\"version\":3}", false, 0},
      {u"{\"version\":3}", u"", true, 3},
  };
  for (const auto& c : cases) {
    const auto database = ParseTagsDatabase(c.tags, c.classes);
    ASSERT_EQ(database != nullptr, c.loads) << testing::PrintToString(c.classes);
    if (database) {
      EXPECT_EQ(database->version, c.version);
    }
  }
}

}  // namespace
