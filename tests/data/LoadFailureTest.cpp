// What a failed load tells: the file, the record and the key of the first fault, as the diagnostic
// log and tagprops check-integration show it; and how the files that loaded were encoded.

#include <gtest/gtest.h>

#include "data/TagsDatabase.h"
#include "tests/data/Samples.h"
#include "tests/support/TempFolder.h"

namespace {

using tests::kClassesJson;
using tests::kTagsJson;
using tests::Replace;

TEST(LoadFailureTest, NamesTheFileTheRecordAndTheKey) {
  const std::u16string kType = u"\"type\":\"Real\"";
  const std::string kTypes = R"("type": expected one of "Boolean", "Integer", "Real", "String", "Class")";
  const struct {
    std::u16string tags, classes;
    std::string failure;
  } cases[] = {
      {Replace(kTagsJson, u"\"isPointer\":false", u"\"isPointer\":0"), kClassesJson,
       R"(tagl.json: tags[1] "isPointer": expected true or false)"},
      {Replace(kTagsJson, u"\"scope\":\"Server\",", u""), kClassesJson, R"(tagl.json: tags[1] "scope": missing)"},
      {Replace(kTagsJson, kType, u"\"type\":\"real\""), kClassesJson, "tagl.json: tags[1] " + kTypes},
      {Replace(kTagsJson, u"{\"id\":12,", u"{\"id\":1e10,"), kClassesJson,
       R"(tagl.json: tags[0].class.members[0] "id": expected a whole number of 32 bits)"},
      {Replace(kTagsJson, u"\"message\":\"Too fast\"", u"\"message\":7"), kClassesJson,
       R"(tagl.json: tags[0].alarms[0] "message": expected a string)"},
      {Replace(kTagsJson, u"\"corvane\":{\"value\":false,\"alarm\":true}", u"\"corvane\":null"), kClassesJson,
       "tagl.json: tags[0].corvane: expected an object"},
      {Replace(kTagsJson, u"\"name\":\"Pump1\"", u"\"name\":\"Motor1\""), kClassesJson,
       R"(tagl.json: tags[1] "name": a second record named "Motor1")"},
      {Replace(kTagsJson, u"\"version\":1,", u"\"version\":1"), kClassesJson,
       "tagl.json: not JSON at character 12: Missing a comma or '}' after an object member."},
      {u"[1]", kClassesJson, "tagl.json: expected an object around everything"},
      {std::u16string(100000, u'['), kClassesJson, "tagl.json: nested too deeply or a number too large at character 128"},
      {kTagsJson, Replace(kClassesJson, u"\"version\":1", u"\"version\":2"),
       R"(class.json: "version": 2 where tagl.json has 1)"},
      {kTagsJson, Replace(kClassesJson, kType, u"\"type\":\"Float\""), "class.json: classes[0].members[1] " + kTypes},
  };
  for (const auto& c : cases) {
    std::string failure;
    EXPECT_FALSE(data::ParseTagsDatabase(c.tags, c.classes, &failure));
    EXPECT_EQ(failure, c.failure);
  }
}

// The page and tagprops check-integration show the log lines of faults; these are the files' own.
TEST(LoadFailureTest, NamesMissingAndUnreadableFilesAndTellsEncodings) {
  support::TempFolder folder;
  folder.WriteBytes("class.json", "\xEF\xBB\xBF{\"version\":1}");
  folder.WriteBytes("odd.json", "\xFF\xFE\x41");
  std::filesystem::create_directory(folder.Path("dir.json"));
  const auto path = [&](const char* name) {
    return name == nullptr ? std::nullopt : std::optional(folder.WidePath(name));
  };
  const struct {
    const char *tags, *classes;
    std::string failure;
  } cases[] = {
      {"tagl.json", "class.json", "tagl.json: missing beside class.json"},
      {"none.json", "none2.json", "none.json: missing"},
      {"odd.json", "class.json", "odd.json: cannot be read"},
      {"dir.json", "class.json", "dir.json: missing beside class.json"},
      {"class.json", "none.json", "none.json: missing beside class.json"},
  };
  data::TagsDatabaseLoadReport report;
  for (const auto& c : cases) {
    EXPECT_FALSE(data::LoadTagsDatabase(path(c.tags), path(c.classes), &report));
    EXPECT_EQ(report.failure, c.failure);
  }
  EXPECT_FALSE(data::LoadTagsDatabase(std::nullopt, std::nullopt));

  folder.WriteBytes("tagl.json", "{\"version\":1}");
  const auto load = [&] { return data::LoadTagsDatabase(path("tagl.json"), path("class.json"), &report); };
  ASSERT_TRUE(load()) << report.failure;
  EXPECT_EQ(report.tagsEncoding, helper::TextEncoding::Utf8);
  EXPECT_EQ(report.classesEncoding, helper::TextEncoding::Utf8WithMark);
  folder.WriteBytes("class.json", "{\"version\":1,\"classes\":[{\"id\":1,\"name\":\"V\xE9nt\"}]}");
  ASSERT_TRUE(load());
  EXPECT_EQ(report.classesEncoding, helper::TextEncoding::Windows1252);
  const auto classesOnly = data::LoadTagsDatabase(std::nullopt, path("class.json"));
  ASSERT_TRUE(classesOnly);
  EXPECT_EQ(classesOnly->classes.size(), 1u);
}

}  // namespace
