#include <gtest/gtest.h>

#include <limits>

#include "generator/IntegrationDatabaseGenerator.h"
#include "data/TagsDatabase.h"
#include "tests/data/Samples.h"
#include "tests/support/TempFolder.h"

namespace {

using data::LoadTagsDatabase;
using data::SaveTagsDatabase;

std::string Utf16LeFile(const std::u16string& text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

class TagsDatabaseFilesTest : public ::testing::Test {
 protected:
  std::u16string Tags() const { return folder_.WidePath("tagl.json"); }
  std::u16string Classes() const { return folder_.WidePath("class.json"); }

  support::TempFolder folder_;
};

TEST_F(TagsDatabaseFilesTest, SaveWritesMarkedCompactUtf16WithoutLineBreak) {
  folder_.WriteBytes("tagl.json", std::string(100000, 'x'));
  const auto database = data::ParseTagsDatabase(tests::kTagsJson, tests::kClassesJson);
  ASSERT_TRUE(SaveTagsDatabase(database, Tags(), Classes()));
  EXPECT_EQ(folder_.ReadBytes("tagl.json"), Utf16LeFile(tests::kTagsJson));
  EXPECT_EQ(folder_.ReadBytes("class.json"), Utf16LeFile(tests::kClassesJson));
}

TEST_F(TagsDatabaseFilesTest, SaveWritesOnlyWhatItCan) {
  const auto database = data::ParseTagsDatabase(tests::kTagsJson, tests::kClassesJson);
  const std::u16string badPath = folder_.WidePath("missing") + u"\\x.json";
  EXPECT_FALSE(SaveTagsDatabase(nullptr, Tags(), Classes()));
  EXPECT_FALSE(SaveTagsDatabase(database, std::nullopt, std::nullopt));
  EXPECT_FALSE(SaveTagsDatabase(database, u"", u""));
  EXPECT_FALSE(std::filesystem::exists(folder_.Path("tagl.json")));

  EXPECT_FALSE(SaveTagsDatabase(database, badPath, Classes()));
  EXPECT_FALSE(std::filesystem::exists(folder_.Path("class.json")));

  EXPECT_FALSE(SaveTagsDatabase(database, Tags(), badPath));
  EXPECT_EQ(folder_.ReadBytes("tagl.json"), Utf16LeFile(tests::kTagsJson));

  std::filesystem::remove(folder_.Path("tagl.json"));
  EXPECT_TRUE(SaveTagsDatabase(database, std::nullopt, Classes()));
  EXPECT_FALSE(std::filesystem::exists(folder_.Path("tagl.json")));
  EXPECT_EQ(folder_.ReadBytes("class.json"), Utf16LeFile(tests::kClassesJson));

  // A number that JSON cannot hold, in the last record, fails the save before either file is cut.
  ASSERT_TRUE(SaveTagsDatabase(database, Tags(), Classes()));
  auto history = std::make_shared<data::HistoryData>();
  history->deadBand = std::numeric_limits<double>::infinity();
  database->tags.rbegin()->second->histories.push_back(history);
  EXPECT_FALSE(SaveTagsDatabase(database, Tags(), Classes()));
  EXPECT_EQ(folder_.ReadBytes("tagl.json"), Utf16LeFile(tests::kTagsJson));
  EXPECT_EQ(folder_.ReadBytes("class.json"), Utf16LeFile(tests::kClassesJson));
}

TEST_F(TagsDatabaseFilesTest, LargeDatabaseSurvivesLoadAndSaveUnchanged) {
  const auto generated = generator::IntegrationDatabaseGenerator::Generate(5000, 7);
  ASSERT_TRUE(SaveTagsDatabase(generated, Tags(), Classes()));
  const std::string tagsBytes = folder_.ReadBytes("tagl.json");
  const std::string classesBytes = folder_.ReadBytes("class.json");

  const auto loaded = LoadTagsDatabase(Tags(), Classes());
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->tags.size(), 5000u);
  std::u16string generatedTags;
  std::u16string loadedTags;
  ASSERT_TRUE(data::SerializeTagsDatabase(generated, &generatedTags, nullptr));
  ASSERT_TRUE(data::SerializeTagsDatabase(loaded, &loadedTags, nullptr));
  EXPECT_TRUE(generatedTags == loadedTags);

  ASSERT_TRUE(SaveTagsDatabase(loaded, Tags(), Classes()));
  EXPECT_TRUE(folder_.ReadBytes("tagl.json") == tagsBytes);
  EXPECT_TRUE(folder_.ReadBytes("class.json") == classesBytes);
  const auto again = LoadTagsDatabase(Tags(), Classes());
  ASSERT_TRUE(again);
  EXPECT_EQ(again->tags.size(), generated->tags.size());
  EXPECT_EQ(again->classes.size(), generated->classes.size());
}

}  // namespace
