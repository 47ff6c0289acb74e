// The platform-integration page (CDlgVeltrixIntegration) in a property sheet, worked by the scripted
// user against a project of the stand-in host. The three switches land in the tag's definition
// record; the historian settings in the project's tagl.json, which is read back after OK.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "data/TagsDatabase.h"
#include "dialogs/CDlgVeltrixIntegration.h"
#include "helper/DiagnosticLog.h"
#include "helper/FileFunctions.h"
#include "tests/support/PageTest.h"

namespace {

namespace fs = std::filesystem;
using Script = std::function<void(driver::Driver&)>;

constexpr DWORD kValueBit = 0x10, kAlarmBit = 0x20, kHistorianBit = 0x40, kAllBits = 0x70;

// Heat (a plain tag) with a full block, alarms and histories; Pump1 (a class instance) listing two
// members, Flow with a block. Level, Note and Pump2 are not in the file.
const std::string kTags =
    R"({"version":1,"tags":[)"
    R"({"id":4,"name":"Heat","size":0,"type":"Real","description":"Heater","scope":"Server",)"
    R"("external_availability":"ReadOnly","isPointer":false,)"
    R"("corvane":{"value":true,"alarm":true,"historian":{"enable":true,"trendScaleMax":400.0,"trendScaleMin":-10.0,)"
    R"("interpolationType":"Linear","description":"Heat trend","forcedStoragePeriod":true,"rolloverValue":2.9,)"
    R"("sampleCount":100,"swingingDoor":false,"deadbandRate":0.5}},)"
    R"("alarms":[{"type":"Hi","group":1,"priority":10,"message":"Hot","selection":"","limit":350.0,"member":""}]},)"
    R"({"id":7,"name":"Pump1","size":0,"type":"Class","description":"Feed pump","scope":"Local","isPointer":false,)"
    R"("class":{"id":9,"name":"Pump","members":[{"id":2,"name":"Running"},)"
    R"({"id":3,"name":"Flow","corvane":{"value":true,"alarm":false,"historian":{"enable":true,"trendScaleMax":50.0,)"
    R"("trendScaleMin":0.0,"interpolationType":"Stairstep","description":"","forcedStoragePeriod":false,)"
    R"("rolloverValue":-2.9,"sampleCount":5,"swingingDoor":true,"deadbandRate":1.5}}}]}}]})";
const std::string kClasses =
    R"({"version":1,"classes":[{"id":1,"name":"Pump","members":[{"id":1,"name":"Running","type":"Boolean",)"
    R"("description":""},{"id":2,"name":"Speed","type":"Integer","description":"rpm"}]}]})";

void WriteText(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

class IntegrationPageTest : public support::PageTest {
 protected:
  IntegrationPageTest() {
    const int pump = host().AddClass(u"Pump", {{u"Running", kTypeBoolean, u""}, {u"Speed", kTypeInteger, u"rpm"},
                                               {u"Flow", kTypeReal, u""}});
    const std::pair<const char16_t*, int> tags[] = {{u"Heat", kTypeReal}, {u"Level", kTypeInteger},
                                                    {u"Note", kTypeString}, {u"Pump1", pump + kTypeClassOffset},
                                                    {u"Pump2", pump + kTypeClassOffset}};
    for (const auto& [name, type] : tags) {
      numbers_[name] = host().AddTag(name, type);
    }
    WriteFiles();
  }
  void SetUp() override { ASSERT_TRUE(helper::DiagnosticLog::OpenFile((project.Folder() / "diagnostic.log").string())); }
  void TearDown() override {
    helper::DiagnosticLog::Close();
    UserTest::TearDown();
  }

  fs::path TagsFile() const { return project.Folder() / "tagl.json"; }
  fs::path ClassesFile() const { return project.Folder() / "class.json"; }
  void WriteFiles() {
    WriteText(TagsFile(), kTags);
    WriteText(ClassesFile(), kClasses);
  }
  void RemoveFiles() {
    fs::remove(TagsFile());
    fs::remove(ClassesFile());
  }
  DWORD& Flags(std::u16string_view tag) { return host().Definition(tag).param.dwFlags; }
  // The saved tagl.json as UTF-8 (the samples are ASCII).
  std::string SavedTags() {
    std::u16string text;
    EXPECT_TRUE(helper::FileFunctions::ReadFile(TagsFile().u16string(), &text));
    return std::string(text.begin(), text.end());
  }

  void RunPage(const char16_t* tag, Script script) {
    CDlgVeltrixIntegration page(tag, nullptr);
    RunSheet({&page}, std::move(script));
  }

  std::map<std::u16string, WORD> numbers_;
};

TEST_F(IntegrationPageTest, SwitchesEnableWhatTheyAllowAndOkWritesTheirThreeBitsOnly) {
  struct Case {
    const char* what;
    const char16_t* tag;
    DWORD bits;
    std::vector<int> clicks;
    DWORD shown;
    bool switchesEnabled, historianEnabled;
  };
  const Case cases[] = {
      {"as stored", u"Heat", kAllBits, {}, kAllBits, true, true},
      {"value off takes the others along", u"Heat", kAllBits, {IDC_VALUE_INTEGRATION}, 0, false, false},
      {"value on again leaves them off", u"Heat", kAllBits, {IDC_VALUE_INTEGRATION, IDC_VALUE_INTEGRATION},
       kValueBit, true, false},
      {"historian on enables its settings", u"Level", kValueBit, {IDC_HISTORIAN_INTEGRATION},
       kValueBit | kHistorianBit, true, true},
      {"stored bits without value integration", u"Level", kAlarmBit | kHistorianBit, {}, 0, false, false},
      // A String tag never has alarm or historian integration, whatever its record held.
      {"String tag", u"Note", kAllBits, {}, kValueBit, false, false},
  };
  const DWORD kOthers = 0xFFFFFF8Fu;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Flags(c.tag) = kOthers | c.bits;
    RunPage(c.tag, [&](driver::Driver& d) {
      for (const int id : c.clicks) d.Click(id);
      EXPECT_EQ(d.Checked(IDC_VALUE_INTEGRATION), (c.shown & kValueBit) != 0);
      EXPECT_EQ(d.Checked(IDC_ALARM_INTEGRATION), (c.shown & kAlarmBit) != 0);
      EXPECT_EQ(d.Checked(IDC_HISTORIAN_INTEGRATION), (c.shown & kHistorianBit) != 0);
      EXPECT_EQ(d.Enabled(IDC_ALARM_INTEGRATION), c.switchesEnabled);
      EXPECT_EQ(d.Enabled(IDC_HISTORIAN_INTEGRATION), c.switchesEnabled);
      for (const int id : {IDC_INTERPOLATION_TYPE, IDC_FORCED_STORAGE, IDC_SWINGING_DOOR, IDC_TREND_SCALE_MAX,
                           IDC_TREND_SCALE_MIN, IDC_ROLLOVER_VALUE, IDC_SAMPLE_COUNT, IDC_DEADBAND_RATE}) {
        EXPECT_EQ(d.Enabled(id), c.historianEnabled) << id;
      }
      d.Ok();
    });
    EXPECT_EQ(Flags(c.tag), kOthers | c.shown);
  }
}

// Types into a trend-scale field and leaves it: a maximum below the minimum, or a minimum above the
// maximum, is put back to the other one and the field keeps the focus with its text selected.
Script TypeTrendScale(int field, const char16_t* typed, const char16_t* shown, bool corrected) {
  return [=](driver::Driver& d) {
    d.SelectAll(field);
    d.Type(typed);
    d.Focus(IDC_SAMPLE_COUNT);
    EXPECT_EQ(d.Text(field), shown);
    EXPECT_EQ(d.Focused(field), corrected);
    if (corrected) {
      EXPECT_EQ(d.Selection(field), std::make_pair(0, static_cast<int>(d.Text(field).size())));
    }
  };
}

// What the page shows and what lands in tagl.json: the block replaced whole (no description kept),
// the file's spellings, the trend scale's correction, new records numbered from the host.
TEST_F(IntegrationPageTest, OkWritesTheBlockWholeAsTheFileSpellsIt) {
  const std::string level = std::to_string(numbers_[u"Level"]), pump2 = std::to_string(numbers_[u"Pump2"]);
  struct Case {
    const char16_t* tag;
    DWORD bits;
    Script edit;
    std::string saved;
  };
  const Case cases[] = {
      // Saved unchanged: the member's block as read, the rollover cut toward zero.
      {u"Pump1.Flow", kValueBit | kHistorianBit,
       [](driver::Driver& d) {
         EXPECT_EQ(d.Items(IDC_INTERPOLATION_TYPE), (std::vector<std::u16string>{u"Stairstep", u"Linear", u"Default"}));
         EXPECT_EQ(d.Selected(IDC_INTERPOLATION_TYPE), u"Stairstep");
         EXPECT_EQ(d.Text(IDC_ROLLOVER_VALUE), u"-2");
       },
       R"({"id":3,"name":"Flow","corvane":{"value":true,"alarm":false,"historian":{"enable":true,"trendScaleMax":50.0,)"
       R"("trendScaleMin":0.0,"interpolationType":"Stairstep","description":"","forcedStoragePeriod":false,)"
       R"("rolloverValue":-2.0,"sampleCount":5,"swingingDoor":true,"deadbandRate":1.5}}})"},
      {u"Heat", kValueBit | kHistorianBit,
       [](driver::Driver& d) {
         d.Choose(IDC_INTERPOLATION_TYPE, u"Default");
         d.Choose(IDC_FORCED_STORAGE, u"Disabled");
         d.Choose(IDC_SWINGING_DOOR, u"Enabled");
         Retype(d, IDC_SAMPLE_COUNT, u"7");
       },
       R"("isPointer":false,"corvane":{"value":true,"alarm":false,"historian":{"enable":true,"trendScaleMax":400.0,)"
       R"("trendScaleMin":-10.0,"interpolationType":"SystemDefault","description":"","forcedStoragePeriod":false,)"
       R"("rolloverValue":2.0,"sampleCount":7,"swingingDoor":true,"deadbandRate":0.5}},"alarms")"},
      // Heat holds 400 to -10.
      {u"Heat", kValueBit | kHistorianBit, TypeTrendScale(IDC_TREND_SCALE_MAX, u"-20", u"-10", true),
       R"("trendScaleMax":-10.0,"trendScaleMin":-10.0,)"},
      {u"Heat", kValueBit | kHistorianBit, TypeTrendScale(IDC_TREND_SCALE_MIN, u"500", u"400", true),
       R"("trendScaleMax":400.0,"trendScaleMin":400.0,)"},
      {u"Heat", kValueBit | kHistorianBit, TypeTrendScale(IDC_TREND_SCALE_MAX, u"-10", u"-10", false),
       R"("trendScaleMax":-10.0,"trendScaleMin":-10.0,)"},
      {u"Heat", kAllBits, [](driver::Driver& d) { d.Click(IDC_VALUE_INTEGRATION); },
       R"("isPointer":false,"corvane":{"value":false,"alarm":false},"alarms")"},
      // Pump1 lists Running and Flow: Speed is numbered on after them.
      {u"Pump1.Speed", kValueBit, [](driver::Driver& d) { d.Click(IDC_ALARM_INTEGRATION); },
       R"({"id":2,"name":"Running"},{"id":4,"name":"Speed","corvane":{"value":true,"alarm":true}}]}})"},
      {u"Pump2.Speed", kValueBit, [](driver::Driver&) {},
       R"({"id":)" + pump2 + R"(,"name":"Pump2","size":0,"type":"Boolean","description":"","scope":"Server",)"
       R"("external_availability":"Disabled","isPointer":false,"class":{"id":-1,"name":"Pump","members":[{"id":)" +
           pump2 + R"(,"name":"Speed","corvane":{"value":true,"alarm":false}}]}})"},
      {u"Level", kValueBit,
       [](driver::Driver& d) {
         d.Click(IDC_HISTORIAN_INTEGRATION);
         d.Choose(IDC_INTERPOLATION_TYPE, u"Linear");
         Retype(d, IDC_ROLLOVER_VALUE, u"65535");
       },
       R"({"id":)" + level + R"(,"name":"Level","size":0,"type":"Boolean","description":"","scope":"Server",)"
       R"("external_availability":"Disabled","isPointer":false,"corvane":{"value":true,"alarm":false,"historian":)"
       R"({"enable":true,"trendScaleMax":0.0,"trendScaleMin":0.0,"interpolationType":"Linear","description":"",)"
       R"("forcedStoragePeriod":false,"rolloverValue":65535.0,"sampleCount":0,"swingingDoor":false,)"
       R"("deadbandRate":0.0}}})"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(driver::ToUtf8(c.tag));
    WriteFiles();
    Flags(c.tag) = c.bits;
    RunPage(c.tag, [&](driver::Driver& d) {
      c.edit(d);
      d.Ok();
    });
    const std::string saved = SavedTags();
    EXPECT_NE(saved.find(c.saved), std::string::npos) << saved;
  }
}

TEST_F(IntegrationPageTest, EveryOtherRecordSurvivesASave) {
  const auto before = data::LoadTagsDatabase(TagsFile().u16string(), ClassesFile().u16string());
  Flags(u"Pump1.Flow") = kValueBit | kHistorianBit;
  RunPage(u"Pump1.Flow", [](driver::Driver& d) {
    Retype(d, IDC_SAMPLE_COUNT, u"42");
    d.Ok();
  });
  const auto after = data::LoadTagsDatabase(TagsFile().u16string(), ClassesFile().u16string());
  ASSERT_TRUE(before && after);
  auto& flow = after->tags.at(u"Pump1")->tagClass->members.at(u"Flow")->corvane;
  EXPECT_EQ(flow->historian->sampleCount, 42);
  // Put back the one block the page wrote: then the two databases write the same texts.
  flow = before->tags.at(u"Pump1")->tagClass->members.at(u"Flow")->corvane;
  std::u16string texts[4];
  ASSERT_TRUE(data::SerializeTagsDatabase(before, &texts[0], &texts[1]));
  ASSERT_TRUE(data::SerializeTagsDatabase(after, &texts[2], &texts[3]));
  EXPECT_TRUE(texts[0] == texts[2] && texts[1] == texts[3]);
}

// OK leaves both files byte for byte as they were when there is nothing to write, when they did not
// load (told as the page opens, and in the log), and when someone changed them after the page read
// them (told at OK). The switches are written all the same.
TEST_F(IntegrationPageTest, OkLeavesTheFilesAsTheyAreWhenItMust) {
  const std::u16string unreadable =
      u"The integration files tagl.json and class.json of this project cannot be read. This page shows default "
      u"values; OK saves the three integration switches only and leaves both files as they are. The diagnostic "
      u"log names the fault.";
  const std::u16string changed =
      u"The integration files tagl.json and class.json were changed by someone else after this page read them. The "
      u"integration switches were saved; the historian settings were not, so that the other change is kept. Open the "
      u"page again to change them.";
  struct Case {
    const char* what;
    std::string tags, classes;  // empty: no such file
    DWORD bits;                 // with value integration, the page turns historian integration on
    std::function<void()> change;
    const std::u16string* box;
    std::string logged;
  };
  const Case cases[] = {
      {"nothing to write", kTags, kClasses, kAlarmBit | kHistorianBit, nullptr, nullptr, ""},
      {"nothing to write, no files", "", "", kAlarmBit | kHistorianBit, nullptr, nullptr, ""},
      {"invalid member", Replaced(kTags, R"({"id":2,"name")", R"({"id":2.5,"name")"), kClasses, kValueBit, nullptr,
       &unreadable, R"(tagl.json: tags[1].class.members[0] "id": expected a whole number of 32 bits)"},
      {"class.json missing", kTags, "", kValueBit, nullptr, &unreadable, "class.json: missing beside tagl.json"},
      {"class.json rewritten, same size", kTags, kClasses, kValueBit,
       [this] {
         WriteText(ClassesFile(), Replaced(kClasses, "rpm", "RPM"));
         fs::last_write_time(ClassesFile(), fs::last_write_time(ClassesFile()) + std::chrono::seconds(2));
       },
       &changed, ""},
      {"tagl.json deleted", kTags, kClasses, kValueBit, [this] { fs::remove(TagsFile()); }, &changed, ""},
      {"files made by someone else", "", "", kValueBit, [this] { WriteFiles(); }, &changed, ""},
  };
  const fs::path log = project.Folder() / "diagnostic.log";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RemoveFiles();
    if (!c.tags.empty()) WriteText(TagsFile(), c.tags);
    if (!c.classes.empty()) WriteText(ClassesFile(), c.classes);
    Flags(u"Level") = c.bits;
    const std::size_t logSize = support::ReadFile(log).size();
    if (c.box != nullptr && !c.change) user.ExpectBox(*c.box);
    std::string tags, classes;
    RunPage(u"Level", [&](driver::Driver& d) {
      if (c.bits & kValueBit) d.Click(IDC_HISTORIAN_INTEGRATION);
      if (c.change) {
        c.change();
        user.ExpectBox(*c.box);
      }
      tags = support::ReadFile(TagsFile());
      classes = support::ReadFile(ClassesFile());
      d.Ok();
    });
    EXPECT_EQ(Flags(u"Level"), c.bits & kValueBit ? kValueBit | kHistorianBit : 0);
    EXPECT_EQ(support::ReadFile(TagsFile()), tags);
    EXPECT_EQ(support::ReadFile(ClassesFile()), classes);
    const std::string logged = support::ReadFile(log).substr(logSize);
    EXPECT_EQ(logged.empty(), c.logged.empty()) << logged;
    EXPECT_NE(logged.find(c.logged), std::string::npos) << logged;
  }
  // With something to write, a project without the files gets both.
  RemoveFiles();
  RunPage(u"Level", [](driver::Driver& d) { d.Ok(); });
  EXPECT_NE(SavedTags().find(R"("name":"Level")"), std::string::npos);
  EXPECT_TRUE(fs::exists(ClassesFile()));
}

}  // namespace
