// The platform-integration page (CDlgVeltrixIntegration) in a property sheet, worked by the scripted
// user against a project of the stand-in host. The three switches land in the tag's definition
// record; the historian settings in the project's tagl.json, which is read back after OK.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/TagsDatabase.h"
#include "dialogs/CDlgVeltrixIntegration.h"
#include "helper/DiagnosticLog.h"
#include "helper/FileFunctions.h"
#include "tests/support/TempProject.h"
#include "platform/bcg/CBCGPPropertySheet.h"
#include "platform/driver/UserTest.h"
#include "platform/driver/Utf8.h"
#include "res/resource.h"

namespace {

namespace fs = std::filesystem;

constexpr int kBoolean = 0, kInteger = 1, kReal = 2, kString = 3;
constexpr DWORD kValueBit = 0x10, kAlarmBit = 0x20, kHistorianBit = 0x40;

const std::u16string kUnreadable =
    u"The integration files tagl.json and class.json of this project cannot be read. This page shows default "
    u"values; OK saves the three integration switches only and leaves both files as they are. The diagnostic log "
    u"names the fault.";
const std::u16string kChanged =
    u"The integration files tagl.json and class.json were changed by someone else after this page read them. The "
    u"integration switches were saved; the historian settings were not, so that the other change is kept. Open the "
    u"page again to change them.";

const int kHistorianControls[] = {IDC_INTERPOLATION_TYPE, IDC_FORCED_STORAGE, IDC_SWINGING_DOOR, IDC_TREND_SCALE_MAX,
                                  IDC_TREND_SCALE_MIN,    IDC_ROLLOVER_VALUE, IDC_SAMPLE_COUNT,  IDC_DEADBAND_RATE};

// Heat (a plain tag) with a full block, alarms and histories; Pump1 (a class instance) listing two
// members, Flow with a block. Level, Note and Pump2 are not in the file.
const std::string kTags =
    R"({"version":1,"tags":[)"
    R"({"id":4,"name":"Heat","size":0,"type":"Real","description":"Heater","scope":"Server",)"
    R"("external_availability":"ReadOnly","isPointer":false,)"
    R"("corvane":{"value":true,"alarm":true,"historian":{"enable":true,"trendScaleMax":400.0,"trendScaleMin":-10.0,)"
    R"("interpolationType":"Linear","description":"Heat trend","forcedStoragePeriod":true,"rolloverValue":2.9,)"
    R"("sampleCount":100,"swingingDoor":false,"deadbandRate":0.5}},)"
    R"("alarms":[{"type":"Hi","group":1,"priority":10,"message":"Hot","selection":"","limit":350.0,"member":""}],)"
    R"("histories":[{"version":1,"enable":true,"group":1,"deadBand":0.5}]},)"
    R"({"id":7,"name":"Pump1","size":0,"type":"Class","description":"Feed pump","scope":"Local","isPointer":false,)"
    R"("class":{"id":9,"name":"Pump","members":[{"id":2,"name":"Running"},)"
    R"({"id":3,"name":"Flow","corvane":{"value":true,"alarm":false,"historian":{"enable":true,"trendScaleMax":50.0,)"
    R"("trendScaleMin":0.0,"interpolationType":"Stairstep","description":"","forcedStoragePeriod":false,)"
    R"("rolloverValue":-2.9,"sampleCount":5,"swingingDoor":true,"deadbandRate":1.5}}}]}}]})";
const std::string kClasses =
    R"({"version":1,"classes":[{"id":1,"name":"Pump","members":[{"id":1,"name":"Running","type":"Boolean",)"
    R"("description":""},{"id":2,"name":"Speed","type":"Integer","description":"rpm"},{"id":3,"name":"Flow",)"
    R"("type":"Real","description":""}]}]})";

std::string Slurp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteText(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  if (at == std::string::npos) throw std::logic_error("sample text not found: " + from);
  return text.replace(at, from.size(), to);
}

class IntegrationPageTest : public driver::UserTest {
 protected:
  IntegrationPageTest() {
    const int pump = host().AddClass(u"Pump", {{u"Running", kBoolean, u""}, {u"Speed", kInteger, u"rpm"},
                                               {u"Flow", kReal, u""}, {u"Label", kString, u""}});
    host().AddTag(u"Heat", kReal);
    host().AddTag(u"Level", kInteger);
    host().AddTag(u"Note", kString);
    host().AddTag(u"Pump1", pump + 3);
    host().AddTag(u"Pump2", pump + 3);
  }

  hostsim::Host& host() { return project.host(); }
  fs::path TagsFile() const { return project.Folder() / "tagl.json"; }
  fs::path ClassesFile() const { return project.Folder() / "class.json"; }
  void WriteFiles(const std::string& tags = kTags, const std::string& classes = kClasses) {
    WriteText(TagsFile(), tags);
    WriteText(ClassesFile(), classes);
  }

  // The three bits of the tag's record (the rest of the flag word is kept by the test's own bits).
  void SetBits(std::u16string_view tag, DWORD bits) {
    host().Definition(tag).param.dwFlags = bits;
  }
  DWORD Bits(std::u16string_view tag) { return host().Definition(tag).param.dwFlags; }

  std::shared_ptr<data::TagsDatabaseData> Saved() {
    auto database = data::LoadTagsDatabase(TagsFile().u16string(), ClassesFile().u16string());
    EXPECT_TRUE(database) << "the files load";
    return database ? database : std::make_shared<data::TagsDatabaseData>();
  }
  // The saved tagl.json as UTF-8.
  std::string SavedText() {
    std::u16string text;
    EXPECT_TRUE(helper::FileFunctions::ReadFile(TagsFile().u16string(), &text));
    return driver::ToUtf8(text);
  }
  // The block of a tag (Heat) or of a member (Pump1.Flow) in the saved tagl.json.
  std::shared_ptr<data::CorvaneData> SavedBlock(const std::u16string& key, const std::u16string& member = u"") {
    const auto database = Saved();
    const auto tag = database->tags.find(key);
    if (tag == database->tags.end()) return nullptr;
    if (member.empty()) return tag->second->corvane;
    if (!tag->second->tagClass) return nullptr;
    const auto found = tag->second->tagClass->members.find(member);
    return found == tag->second->tagClass->members.end() ? nullptr : found->second->corvane;
  }

  void RunPage(std::u16string_view tag, std::function<void(driver::Driver&)> script) {
    const std::u16string name(tag);
    CDlgVeltrixIntegration page(name.c_str(), nullptr);
    CBCGPPropertySheet sheet(u"Tag Properties");
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(&page);
    user.OnModal(std::move(script));
    sheet.DoModal();
  }

  static void Retype(driver::Driver& d, int id, std::u16string_view text) {
    d.SelectAll(id);
    d.Type(text);
  }

  static void ExpectFocusedAndSelected(driver::Driver& d, int id) {
    EXPECT_TRUE(d.Focused(id));
    EXPECT_EQ(d.Selection(id), std::make_pair(0, static_cast<int>(d.Text(id).size())));
  }

  support::TempProject project;
};

TEST_F(IntegrationPageTest, ShowsTheSwitchesOfTheRecordAndTheHistorianSettingsOfTheFile) {
  struct Case {
    const char16_t* tag;
    DWORD bits;
    std::vector<std::pair<int, std::u16string>> texts;
    std::vector<std::pair<int, std::u16string>> selected;
  };
  const Case cases[] = {
      // Rollover values are whole numbers on the page, cut toward zero.
      {u"Heat", kValueBit | kAlarmBit | kHistorianBit,
       {{IDC_TREND_SCALE_MAX, u"400"}, {IDC_TREND_SCALE_MIN, u"-10"}, {IDC_ROLLOVER_VALUE, u"2"},
        {IDC_SAMPLE_COUNT, u"100"}, {IDC_DEADBAND_RATE, u"0.5"}},
       {{IDC_INTERPOLATION_TYPE, u"Linear"}, {IDC_FORCED_STORAGE, u"Enabled"}, {IDC_SWINGING_DOOR, u"Disabled"}}},
      {u"Pump1.Flow", kValueBit | kHistorianBit,
       {{IDC_TREND_SCALE_MAX, u"50"}, {IDC_ROLLOVER_VALUE, u"-2"}, {IDC_SAMPLE_COUNT, u"5"},
        {IDC_DEADBAND_RATE, u"1.5"}},
       {{IDC_INTERPOLATION_TYPE, u"Stairstep"}, {IDC_FORCED_STORAGE, u"Disabled"}, {IDC_SWINGING_DOOR, u"Enabled"}}},
      // Not in the file: the historian defaults.
      {u"Level", kValueBit | kHistorianBit,
       {{IDC_TREND_SCALE_MAX, u"0"}, {IDC_TREND_SCALE_MIN, u"0"}, {IDC_ROLLOVER_VALUE, u"0"},
        {IDC_SAMPLE_COUNT, u"0"}, {IDC_DEADBAND_RATE, u"0"}},
       {{IDC_INTERPOLATION_TYPE, u"Default"}, {IDC_FORCED_STORAGE, u"Disabled"}, {IDC_SWINGING_DOOR, u"Disabled"}}},
  };
  WriteFiles();
  for (const Case& c : cases) {
    SCOPED_TRACE(driver::ToUtf8(c.tag));
    SetBits(c.tag, c.bits);
    RunPage(c.tag, [&](driver::Driver& d) {
      EXPECT_TRUE(d.Checked(IDC_VALUE_INTEGRATION));
      EXPECT_EQ(d.Checked(IDC_ALARM_INTEGRATION), (c.bits & kAlarmBit) != 0);
      EXPECT_TRUE(d.Checked(IDC_HISTORIAN_INTEGRATION));
      EXPECT_EQ(d.Items(IDC_INTERPOLATION_TYPE), (std::vector<std::u16string>{u"Stairstep", u"Linear", u"Default"}));
      for (const auto& [id, text] : c.texts) EXPECT_EQ(d.Text(id), text) << id;
      for (const auto& [id, item] : c.selected) EXPECT_EQ(d.Selected(id), item) << id;
      d.Cancel();
    });
  }
}

TEST_F(IntegrationPageTest, SwitchesEnableWhatTheyAllow) {
  struct Case {
    const char* what;
    const char16_t* tag;
    DWORD bits;
    std::vector<int> clicks;
    bool value, alarm, historian;
    bool switchesEnabled, historianEnabled;
  };
  const Case cases[] = {
      {"as stored", u"Heat", kValueBit | kAlarmBit | kHistorianBit, {}, true, true, true, true, true},
      {"value off takes the others along", u"Heat", kValueBit | kAlarmBit | kHistorianBit, {IDC_VALUE_INTEGRATION},
       false, false, false, false, false},
      {"value on again leaves them off", u"Heat", kValueBit | kAlarmBit | kHistorianBit,
       {IDC_VALUE_INTEGRATION, IDC_VALUE_INTEGRATION}, true, false, false, true, false},
      {"historian on enables its settings", u"Level", kValueBit, {IDC_HISTORIAN_INTEGRATION}, true, false, true, true,
       true},
      {"alarm alone", u"Level", kValueBit, {IDC_ALARM_INTEGRATION}, true, true, false, true, false},
      {"stored bits without value integration", u"Level", kAlarmBit | kHistorianBit, {}, false, false, false, false,
       false},
      // A String tag never has alarm or historian integration, whatever its record held.
      {"String tag", u"Note", kValueBit | kAlarmBit | kHistorianBit, {}, true, false, false, false, false},
  };
  WriteFiles();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetBits(c.tag, c.bits);
    RunPage(c.tag, [&](driver::Driver& d) {
      for (const int id : c.clicks) d.Click(id);
      EXPECT_EQ(d.Checked(IDC_VALUE_INTEGRATION), c.value);
      EXPECT_EQ(d.Checked(IDC_ALARM_INTEGRATION), c.alarm);
      EXPECT_EQ(d.Checked(IDC_HISTORIAN_INTEGRATION), c.historian);
      EXPECT_TRUE(d.Enabled(IDC_VALUE_INTEGRATION));
      EXPECT_EQ(d.Enabled(IDC_ALARM_INTEGRATION), c.switchesEnabled);
      EXPECT_EQ(d.Enabled(IDC_HISTORIAN_INTEGRATION), c.switchesEnabled);
      for (const int id : kHistorianControls) EXPECT_EQ(d.Enabled(id), c.historianEnabled) << id;
      d.Ok();
    });
    EXPECT_EQ(Bits(c.tag), (c.value ? kValueBit : 0) | (c.alarm ? kAlarmBit : 0) | (c.historian ? kHistorianBit : 0));
  }
}

TEST_F(IntegrationPageTest, OkWritesOnlyTheThreeBitsOfTheFlagWord) {
  WriteFiles();
  SetBits(u"Heat", 0xFFFFFF8Fu);
  RunPage(u"Heat", [](driver::Driver& d) {
    d.Click(IDC_VALUE_INTEGRATION);
    d.Ok();
  });
  // Value integration on; alarm and historian integration stay off, bit 7 and above stay set.
  EXPECT_EQ(Bits(u"Heat"), 0xFFFFFF9Fu);
  SetBits(u"Heat", 0x0000000Fu | kValueBit | kAlarmBit | kHistorianBit);
  RunPage(u"Heat", [](driver::Driver& d) { d.Ok(); });
  EXPECT_EQ(Bits(u"Heat"), 0x0000000Fu | kValueBit | kAlarmBit | kHistorianBit);
}

TEST_F(IntegrationPageTest, TrendScaleMaximumNeverFallsBelowTheMinimum) {
  struct Case {
    const char* what;
    int field;
    const char16_t* typed;
    const char16_t* shown;
    bool corrected;
    double max, min;
  };
  // Heat holds 400 to -10.
  const Case cases[] = {
      {"maximum below the minimum", IDC_TREND_SCALE_MAX, u"-20", u"-10", true, -10, -10},
      {"minimum above the maximum", IDC_TREND_SCALE_MIN, u"500", u"400", true, 400, 400},
      {"minimum lowered", IDC_TREND_SCALE_MIN, u"-50", u"-50", false, 400, -50},
      {"maximum equal to the minimum", IDC_TREND_SCALE_MAX, u"-10", u"-10", false, -10, -10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFiles();
    SetBits(u"Heat", kValueBit | kHistorianBit);
    RunPage(u"Heat", [&](driver::Driver& d) {
      Retype(d, c.field, c.typed);
      d.Focus(IDC_SAMPLE_COUNT);
      EXPECT_EQ(d.Text(c.field), c.shown);
      if (c.corrected) {
        ExpectFocusedAndSelected(d, c.field);
      } else {
        EXPECT_TRUE(d.Focused(IDC_SAMPLE_COUNT));
      }
      d.Ok();
    });
    const auto block = SavedBlock(u"Heat");
    ASSERT_TRUE(block && block->historian);
    EXPECT_EQ(block->historian->trendScaleMax, c.max);
    EXPECT_EQ(block->historian->trendScaleMin, c.min);
  }
}

TEST_F(IntegrationPageTest, HistorianSettingsAreWrittenAsTheFileSpellsThem) {
  struct Case {
    const char16_t* tag;
    std::function<void(driver::Driver&)> edit;
    data::InterpolationType interpolation;
    double rollover;
    bool forced, swinging;
    int samples;
  };
  const Case cases[] = {
      // Saved unchanged: Stairstep stays, the rollover keeps its whole part only.
      {u"Pump1.Flow", [](driver::Driver&) {}, data::InterpolationType::Stairstep, -2.0, false, true, 5},
      {u"Heat",
       [](driver::Driver& d) {
         d.Choose(IDC_INTERPOLATION_TYPE, u"Default");
         d.Choose(IDC_FORCED_STORAGE, u"Disabled");
         d.Choose(IDC_SWINGING_DOOR, u"Enabled");
         Retype(d, IDC_SAMPLE_COUNT, u"7");
       },
       data::InterpolationType::SystemDefault, 2.0, false, true, 7},
      {u"Level",
       [](driver::Driver& d) {
         d.Click(IDC_HISTORIAN_INTEGRATION);
         d.Choose(IDC_INTERPOLATION_TYPE, u"Linear");
         Retype(d, IDC_ROLLOVER_VALUE, u"65535");
       },
       data::InterpolationType::Linear, 65535.0, false, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(driver::ToUtf8(c.tag));
    WriteFiles();
    SetBits(c.tag, std::u16string_view(c.tag) == u"Level" ? kValueBit : kValueBit | kHistorianBit);
    RunPage(c.tag, [&](driver::Driver& d) {
      c.edit(d);
      d.Ok();
    });
    const std::u16string name(c.tag);
    const auto dot = name.find(u'.');
    const auto block = dot == std::u16string::npos ? SavedBlock(name) : SavedBlock(name.substr(0, dot), name.substr(dot + 1));
    ASSERT_TRUE(block && block->historian);
    EXPECT_TRUE(block->value);
    EXPECT_TRUE(block->historian->enable);
    EXPECT_EQ(block->historian->interpolationType, c.interpolation);
    EXPECT_EQ(block->historian->rolloverValue, c.rollover);
    EXPECT_EQ(block->historian->forcedStoragePeriod, c.forced);
    EXPECT_EQ(block->historian->swingingDoor, c.swinging);
    EXPECT_EQ(block->historian->sampleCount, c.samples);
    EXPECT_EQ(block->historian->description, u"") << "the page never keeps a description";
  }
}

TEST_F(IntegrationPageTest, BlockIsReplacedWhole) {
  WriteFiles();
  SetBits(u"Heat", kValueBit | kAlarmBit | kHistorianBit);
  RunPage(u"Heat", [](driver::Driver& d) {
    d.Click(IDC_VALUE_INTEGRATION);
    d.Ok();
  });
  const auto block = SavedBlock(u"Heat");
  ASSERT_TRUE(block);
  EXPECT_FALSE(block->value);
  EXPECT_FALSE(block->alarm);
  EXPECT_FALSE(block->historian);
  EXPECT_NE(SavedText().find(R"("corvane":{"value":false,"alarm":false})"), std::string::npos);
}

TEST_F(IntegrationPageTest, NewRecordsGetTheTagNumberOrTheNextMemberId) {
  WriteFiles();
  VarRef pump2{};
  ASSERT_TRUE(DBGetVar(&pump2, u"Pump2.Speed"));
  VarRef level{};
  ASSERT_TRUE(DBGetVar(&level, u"Level"));
  for (const char16_t* tag : {u"Pump1.Speed", u"Pump2.Speed", u"Level"}) {
    SetBits(tag, kValueBit);
    RunPage(tag, [](driver::Driver& d) {
      d.Click(IDC_ALARM_INTEGRATION);
      d.Ok();
    });
  }
  const auto database = Saved();
  // Pump1 lists Running and Flow: Speed is the third member, numbered on after them.
  const auto& pump1 = database->tags.at(u"Pump1");
  EXPECT_EQ(pump1->tagClass->members.size(), 3u);
  const auto& speed = pump1->tagClass->members.at(u"Speed");
  EXPECT_EQ(speed->id, 4);
  ASSERT_TRUE(speed->corvane);
  EXPECT_TRUE(speed->corvane->alarm);
  EXPECT_EQ(pump1->tagClass->id, 9);

  const auto& record = database->tags.at(u"Pump2");
  EXPECT_EQ(record->id, pump2.tagNumber);
  EXPECT_EQ(record->name, u"Pump2");
  EXPECT_EQ(record->size, 0);
  EXPECT_EQ(record->type, data::TagType::Boolean);
  EXPECT_EQ(record->scope, data::TagScope::Server);
  EXPECT_EQ(record->externalAvailability, data::ExternalAvailability::Disabled);
  ASSERT_TRUE(record->tagClass);
  EXPECT_EQ(record->tagClass->id, -1);
  EXPECT_EQ(record->tagClass->name, u"Pump");
  const auto& member = record->tagClass->members.at(u"Speed");
  EXPECT_EQ(member->id, pump2.tagNumber);
  ASSERT_TRUE(member->corvane);
  EXPECT_TRUE(member->corvane->value);
  EXPECT_FALSE(record->corvane);

  const auto& plain = database->tags.at(u"Level");
  EXPECT_EQ(plain->id, level.tagNumber);
  ASSERT_TRUE(plain->corvane);
  EXPECT_TRUE(plain->corvane->alarm);
  EXPECT_FALSE(plain->tagClass);
}

TEST_F(IntegrationPageTest, NothingToWriteLeavesTheFilesAsTheyAre) {
  struct Case {
    const char* what;
    bool files;
  };
  for (const Case c : {Case{"files there", true}, Case{"no files", false}}) {
    SCOPED_TRACE(c.what);
    fs::remove(TagsFile());
    fs::remove(ClassesFile());
    if (c.files) WriteFiles();
    SetBits(u"Level", kAlarmBit | kHistorianBit);
    RunPage(u"Level", [](driver::Driver& d) { d.Ok(); });
    EXPECT_EQ(Bits(u"Level"), 0u);
    EXPECT_EQ(fs::exists(TagsFile()), c.files);
    EXPECT_EQ(fs::exists(ClassesFile()), c.files);
    if (c.files) {
      EXPECT_EQ(Slurp(TagsFile()), kTags);
      EXPECT_EQ(Slurp(ClassesFile()), kClasses);
    }
  }
  // With something to write, a project without the files gets both.
  SetBits(u"Level", kValueBit);
  fs::remove(TagsFile());
  fs::remove(ClassesFile());
  RunPage(u"Level", [](driver::Driver& d) { d.Ok(); });
  ASSERT_TRUE(SavedBlock(u"Level"));
  EXPECT_TRUE(fs::exists(ClassesFile()));
}

TEST_F(IntegrationPageTest, EveryOtherRecordSurvivesASave) {
  WriteFiles();
  const auto before = Saved();
  SetBits(u"Pump1.Flow", kValueBit | kHistorianBit);
  RunPage(u"Pump1.Flow", [](driver::Driver& d) {
    Retype(d, IDC_SAMPLE_COUNT, u"42");
    d.Ok();
  });
  const auto after = Saved();
  auto& flow = after->tags.at(u"Pump1")->tagClass->members.at(u"Flow")->corvane;
  ASSERT_TRUE(flow && flow->historian);
  EXPECT_EQ(flow->historian->sampleCount, 42);
  // Put back the one block the page wrote: then the two databases write the same text.
  flow = before->tags.at(u"Pump1")->tagClass->members.at(u"Flow")->corvane;
  std::u16string tagsBefore, classesBefore, tagsAfter, classesAfter;
  ASSERT_TRUE(data::SerializeTagsDatabase(before, &tagsBefore, &classesBefore));
  ASSERT_TRUE(data::SerializeTagsDatabase(after, &tagsAfter, &classesAfter));
  EXPECT_EQ(driver::ToUtf8(tagsAfter), driver::ToUtf8(tagsBefore));
  EXPECT_EQ(driver::ToUtf8(classesAfter), driver::ToUtf8(classesBefore));
}

class IntegrationFilesAtFaultTest : public IntegrationPageTest {
 protected:
  void SetUp() override { ASSERT_TRUE(helper::DiagnosticLog::OpenFile((project.Folder() / "diagnostic.log").string())); }
  void TearDown() override {
    helper::DiagnosticLog::Close();
    IntegrationPageTest::TearDown();
  }
  std::string Log() const { return Slurp(project.Folder() / "diagnostic.log"); }
};

TEST_F(IntegrationFilesAtFaultTest, FilesThatDoNotLoadAreNeverRewritten) {
  struct Case {
    const char* what;
    std::string tags;
    std::string classes;  // empty: no class.json
    const char* logged;
  };
  const Case cases[] = {
      {"syntax error", Replaced(kTags, R"("size":0,)", R"("size":0)"), kClasses,
       "tagl.json: not JSON at character 51: Missing a comma or '}' after an object member."},
      {"invalid record", Replaced(kTags, R"("Feed pump","scope":"Local","isPointer":false)",
                                  R"("Feed pump","scope":"Local","isPointer":0)"),
       kClasses, R"(tagl.json: tags[1] "isPointer": expected true or false)"},
      {"invalid member", Replaced(kTags, R"({"id":2,"name":"Running"})", R"({"id":2.5,"name":"Running"})"), kClasses,
       R"(tagl.json: tags[1].class.members[0] "id": expected a whole number of 32 bits)"},
      {"class.json missing", kTags, "", "class.json: missing beside tagl.json"},
      {"versions differ", kTags, Replaced(kClasses, R"("version":1)", R"("version":2)"),
       R"(class.json: "version": 2 where tagl.json has 1)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove(ClassesFile());
    WriteText(TagsFile(), c.tags);
    if (!c.classes.empty()) WriteText(ClassesFile(), c.classes);
    SetBits(u"Heat", kValueBit | kAlarmBit);
    user.ExpectBox(kUnreadable);
    RunPage(u"Heat", [&](driver::Driver& d) {
      // The defaults, not the file's settings.
      EXPECT_EQ(d.Text(IDC_TREND_SCALE_MAX), u"0");
      EXPECT_EQ(d.Selected(IDC_INTERPOLATION_TYPE), u"Default");
      d.Click(IDC_HISTORIAN_INTEGRATION);
      Retype(d, IDC_SAMPLE_COUNT, u"9");
      d.Ok();
      EXPECT_TRUE(d.Closed());
    });
    EXPECT_EQ(Bits(u"Heat"), kValueBit | kAlarmBit | kHistorianBit);
    EXPECT_EQ(Slurp(TagsFile()), c.tags);
    EXPECT_EQ(fs::exists(ClassesFile()), !c.classes.empty());
    if (!c.classes.empty()) {
      EXPECT_EQ(Slurp(ClassesFile()), c.classes);
    }
    EXPECT_NE(Log().find("[error] " + std::string(c.logged) + " ("), std::string::npos) << Log();
  }
}

TEST_F(IntegrationFilesAtFaultTest, FilesChangedAfterThePageReadThemAreNotOverwritten) {
  struct Case {
    const char* what;
    bool filesAtStart;
    std::function<void()> change;
  };
  const Case cases[] = {
      {"tagl.json saved by another tool", true,
       [this] { WriteText(TagsFile(), Replaced(kTags, "Heater", "Heater 2")); }},
      {"class.json rewritten, same size", true,
       [this] {
         WriteText(ClassesFile(), Replaced(kClasses, "rpm", "RPM"));
         fs::last_write_time(ClassesFile(), fs::last_write_time(ClassesFile()) + std::chrono::seconds(2));
       }},
      {"tagl.json deleted", true, [this] { fs::remove(TagsFile()); }},
      {"files made by someone else", false,
       [this] { WriteFiles(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove(TagsFile());
    fs::remove(ClassesFile());
    if (c.filesAtStart) WriteFiles();
    SetBits(u"Level", kValueBit);
    std::string tags, classes;
    RunPage(u"Level", [&](driver::Driver& d) {
      d.Click(IDC_HISTORIAN_INTEGRATION);
      c.change();
      tags = Slurp(TagsFile());
      classes = Slurp(ClassesFile());
      user.ExpectBox(kChanged);
      d.Ok();
      EXPECT_TRUE(d.Closed());
    });
    EXPECT_EQ(Bits(u"Level"), kValueBit | kHistorianBit);
    EXPECT_EQ(Slurp(TagsFile()), tags);
    EXPECT_EQ(Slurp(ClassesFile()), classes);
  }
}

}  // namespace
