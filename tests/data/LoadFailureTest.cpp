// What a failed load tells: the file, the record and the key of the first fault, as the diagnostic
// log and tagprops check-integration show it; and how the files that loaded were encoded.

#include <gtest/gtest.h>

#include "data/TagsDatabase.h"
#include "helper/DiagnosticLog.h"
#include "tests/data/Samples.h"
#include "tests/support/TempFolder.h"

namespace {

using tests::kClassesJson;
using tests::kTagsJson;
using tests::Replace;

TEST(LoadFailureTest, NamesTheFileTheRecordAndTheKey) {
  struct Case {
    std::u16string tags;
    std::u16string classes;
    std::string failure;
  };
  const Case cases[] = {
      {Replace(kTagsJson, u"\"isPointer\":false", u"\"isPointer\":0"), kClassesJson,
       R"(tagl.json: tags[1] "isPointer": expected true or false)"},
      {Replace(kTagsJson, u"\"scope\":\"Server\",", u""), kClassesJson, R"(tagl.json: tags[1] "scope": missing)"},
      {Replace(kTagsJson, u"\"type\":\"Real\"", u"\"type\":\"real\""), kClassesJson,
       R"(tagl.json: tags[1] "type": expected one of "Boolean", "Integer", "Real", "String", "Class")"},
      {Replace(kTagsJson, u"{\"id\":12,", u"{\"id\":1e10,"), kClassesJson,
       R"(tagl.json: tags[0].class.members[0] "id": expected a whole number of 32 bits)"},
      {Replace(kTagsJson, u"\"trendScaleMin\":-10.5", u"\"trendScaleMin\":\"-10.5\""), kClassesJson,
       R"(tagl.json: tags[0].class.members[1].corvane.historian "trendScaleMin": expected a number)"},
      {Replace(kTagsJson, u"\"message\":\"Too fast\"", u"\"message\":7"), kClassesJson,
       R"(tagl.json: tags[0].alarms[0] "message": expected a string)"},
      {Replace(kTagsJson, u"\"histories\":[", u"\"histories\":[3,"), kClassesJson,
       R"(tagl.json: tags[0].histories[0]: expected an object)"},
      {Replace(kTagsJson, u"\"corvane\":{\"value\":false,\"alarm\":true}", u"\"corvane\":null"), kClassesJson,
       R"(tagl.json: tags[0].corvane: expected an object)"},
      {Replace(kTagsJson, u"\"name\":\"Pump1\"", u"\"name\":\"Motor1\""), kClassesJson,
       R"(tagl.json: tags[1] "name": a second record named "Motor1")"},
      {Replace(kTagsJson, u"\"version\":1,", u"\"version\":1"), kClassesJson,
       "tagl.json: not JSON at character 12: Missing a comma or '}' after an object member."},
      {u"{\"version\":1,\"tags\":5}", kClassesJson, R"(tagl.json: "tags": expected an array)"},
      {u"[1]", kClassesJson, "tagl.json: expected an object around everything"},
      {kTagsJson, Replace(kClassesJson, u"\"version\":1", u"\"version\":2"),
       R"(class.json: "version": 2 where tagl.json has 1)"},
      {kTagsJson, Replace(kClassesJson, u"\"type\":\"Real\"", u"\"type\":\"Float\""),
       R"(class.json: classes[0].members[1] "type": expected one of "Boolean", "Integer", "Real", "String", "Class")"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.failure);
    std::string failure;
    EXPECT_FALSE(data::ParseTagsDatabase(c.tags, c.classes, &failure));
    EXPECT_EQ(failure, c.failure);
  }
  std::string failure = "left over";
  EXPECT_TRUE(data::ParseTagsDatabase(kTagsJson, kClassesJson, &failure));
  EXPECT_EQ(failure, "left over") << "a load that succeeds tells nothing";
}

class LoadReportTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(helper::DiagnosticLog::OpenFile(folder_.Path("diagnostic.log").string())); }
  void TearDown() override { helper::DiagnosticLog::Close(); }

  data::TagsDatabaseLoadReport Load() {
    data::TagsDatabaseLoadReport report;
    loaded_ = data::LoadTagsDatabase(folder_.WidePath("tagl.json"), folder_.WidePath("class.json"), &report);
    return report;
  }

  support::TempFolder folder_;
  std::shared_ptr<data::TagsDatabaseData> loaded_;
};

TEST_F(LoadReportTest, FaultsOfExistingFilesGoToTheLogAndMissingFilesAreNamed) {
  // No files at all: a project without integration, nothing to log.
  EXPECT_EQ(Load().failure, "tagl.json: missing");
  EXPECT_EQ(folder_.ReadBytes("diagnostic.log"), "");

  folder_.WriteBytes("tagl.json", helper::DiagnosticLog::ToUtf8(kTagsJson));
  EXPECT_EQ(Load().failure, "class.json: missing beside tagl.json");
  folder_.WriteBytes("class.json", "\xEF\xBB\xBF" + helper::DiagnosticLog::ToUtf8(kClassesJson));
  std::remove(folder_.Path("tagl.json").c_str());
  EXPECT_EQ(Load().failure, "tagl.json: missing beside class.json");
  EXPECT_FALSE(loaded_);

  folder_.WriteBytes("tagl.json", "\xFF\xFE\x41");
  EXPECT_EQ(Load().failure, "tagl.json: cannot be read");
  const std::string log = folder_.ReadBytes("diagnostic.log");
  for (const char* line : {"[error] class.json: missing beside tagl.json (", "[error] tagl.json: missing beside class.json (",
                           "[error] tagl.json: cannot be read (", "data::LoadTagsDatabase)"}) {
    EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
  }
}

TEST_F(LoadReportTest, TellsHowEachFileIsEncoded) {
  folder_.WriteBytes("tagl.json", "{\"version\":1}");
  folder_.WriteBytes("class.json", "\xEF\xBB\xBF{\"version\":1,\"classes\":[{\"id\":1,\"name\":\"V\xE9nt\"}]}");
  data::TagsDatabaseLoadReport report = Load();
  ASSERT_TRUE(loaded_) << report.failure;
  EXPECT_EQ(report.tagsEncoding, helper::TextEncoding::Utf8);
  EXPECT_EQ(report.classesEncoding, helper::TextEncoding::Windows1252);
  ASSERT_TRUE(data::SaveTagsDatabase(loaded_, folder_.WidePath("tagl.json"), folder_.WidePath("class.json")));
  report = Load();
  EXPECT_EQ(report.tagsEncoding, helper::TextEncoding::Utf16Le);
  EXPECT_EQ(report.classesEncoding, helper::TextEncoding::Utf16Le);
  folder_.WriteBytes("class.json", "\xEF\xBB\xBF{\"version\":1}");
  EXPECT_EQ(Load().classesEncoding, helper::TextEncoding::Utf8WithMark);
}

}  // namespace
