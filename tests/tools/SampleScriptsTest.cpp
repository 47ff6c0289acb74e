// The sample scripts of tests/dialogs/scripts, run by the host program on the demo project as a
// person runs them by hand; `tagprops show` and the integration file tagl.json tell what changed.
// Then tagprops check-integration and --log, run as a person runs them.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "hostsim/DemoProject.h"
#include "tests/support/Program.h"
#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

// The text of a UTF-16LE file with its mark, as UTF-8 (the demo's files hold ASCII only).
std::string Utf16Text(const fs::path& file) {
  const std::string bytes = support::ReadFile(file);
  std::string text;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) text += bytes[i];
  return text;
}

// The lines of a report by their field.
std::map<std::string, std::string> Fields(const std::string& report) {
  std::map<std::string, std::string> fields;
  std::istringstream in(report);
  for (std::string line; std::getline(in, line);) {
    const auto colon = line.find(": ");
    if (colon != std::string::npos) fields[line.substr(0, colon)] = line.substr(colon + 2);
  }
  return fields;
}

TEST(SampleScripts, ChangeTheDemoTagsAsTheySayAndNothingElse) {
  struct Case {
    const char* script;
    const char* command;
    const char* tag;
    const char* out;
    std::map<std::string, std::string> changed;
    std::vector<const char*> inTagl = {};  // found in tagl.json afterwards
  };
  const Case cases[] = {
      {"level-definition.txt", "edit Level", "Level", "ok\n",
       {{"tag.type", "2 Real"}, {"tag.size", "8"}, {"tag.description", "\"Tank levels, one per sensor\""},
        {"tag.scope", "1 Server"}, {"definition.flags", "0x00000402"}, {"definition.base_type", "2"},
        {"definition.array_size", "8"}, {"element[0].flags", "0x000000E2"}}},
      {"temperature-parameters.txt", "sheet Temperature", "Temperature", "",
       {{"parameters.flags", "0x0000000D"}, {"parameters.retentive_value", "1"},
        {"parameters.dead_band_enabled", "1"}, {"parameters.engineering_min", "150"},
        {"parameters.unit", "\"Celsius\""}, {"parameters.dead_band", "0.2"},
        {"parameters.startup_value", "\" 18.25 \""}}},
      {"counters-history.txt", "sheet 'Counters[3]'", "Counters", "",
       {{"element[3].flags", "0x00000261"}, {"element[3].history.enabled", "1"}, {"element[3].history.group", "9"},
        {"element[3].history.log_dead_band", "0.5"}}},
      // Each index change stores the element shown and tells the background task (Pressures is tag 15).
      {"pressures-alarms.txt", "--verbose sheet 'Pressures[3]'", "Pressures",
       "DBSaveTagLModified: 1 call(s)\nposted to BGTASK: message 0x551 (15, 3)\nposted to BGTASK: message 0x551 (15, 4)\n",
       {{"element[3].alarms.flags", "0x00001900"}, {"element[3].alarms.types", "3"}, {"messages", "2"},
        {"message[1]", "BGTASK 0x551 first=0x0000000F second=0x00000004"},
        {"element[3].alarms.type[0].limit", "9.25"}, {"element[3].alarms.type[2].code", "16 Rate"},
        {"element[3].alarms.type[2].rate_unit", "2"}, {"element[3].alarms.type[2].priority", "30"},
        {"element[3].alarms.type[2].message", "\"Line 3 pressure rising fast\""}}},
      // The historian settings land in tagl.json; the rest of Boiler's record and the other tag are kept.
      // The Parameters page was shown too: Boiler's empty startup value is saved as the 0 it shows.
      {"boiler-integration.txt", "sheet Boiler", "Boiler", "",
       {{"parameters.flags", "0x00000050"}, {"integration.alarm", "0"}, {"parameters.startup_value", "\"0\""}},
       {R"("name":"Boiler",)", R"("message":"Boiler hot")", R"("name":"Pump1",)",
        R"("corvane":{"value":true,"alarm":false,"historian":{"enable":true,"trendScaleMax":400.0,)"
        R"("trendScaleMin":-50.0,"interpolationType":"SystemDefault","description":"",)"
        R"("forcedStoragePeriod":true,"rolloverValue":0.0,"sampleCount":250,"swingingDoor":true,)"
        R"("deadbandRate":0.5}})"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    const support::TempFolder folder;
    hostsim::DemoProject::Write(folder.Path("demo"));
    const std::string project = "--project " + support::Quoted(folder.Path("demo")) + " ";
    const std::string show = project + "show " + c.tag;
    std::map<std::string, std::string> expected = Fields(support::Tagprops(show, folder.Root()).out);
    const support::Outcome run = support::Tagprops(
        project + "--script " + support::Quoted(std::string(SCRIPTS) + "/" + c.script) + " " + c.command, folder.Root());
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, c.out);
    for (const auto& [field, value] : c.changed) {
      EXPECT_NE(expected[field], value) << field << " changed by the script";
      expected[field] = value;
    }
    // A tag that grew has more elements; the fields it had must be as expected.
    std::map<std::string, std::string> shown = Fields(support::Tagprops(show, folder.Root()).out);
    for (const auto& [field, value] : expected) EXPECT_EQ(shown[field], value) << field;
    const std::string tagl = Utf16Text(folder.Path("demo") / "tagl.json");
    for (const char* text : c.inTagl) EXPECT_NE(tagl.find(text), std::string::npos) << text;
  }
}

class IntegrationCheck : public ::testing::Test {
 protected:
  void SetUp() override { hostsim::DemoProject::Write(demo_); }
  support::Outcome Run(const std::string& arguments) {
    return support::Tagprops("--project " + support::Quoted(demo_) + " " + arguments, folder_.Root());
  }
  support::TempFolder folder_;
  const fs::path demo_ = folder_.Path("demo");
};

TEST_F(IntegrationCheck, SummarisesTheFilesOrNamesTheFirstFaultAndLogsIt) {
  const support::Outcome good = Run("check-integration");
  EXPECT_EQ(good.code, 0) << good.err;
  EXPECT_EQ(good.out, "tagl.json: 2 tags, UTF-16LE; class.json: 1 class, UTF-16LE\n");
  EXPECT_FALSE(fs::exists(demo_ / "diagnostic.log")) << "nothing to log, no log file";

  // The faults themselves are the data layer's to name; here one reaches the person and the logs.
  std::string tags = Utf16Text(demo_ / "tagl.json");
  tags.replace(tags.find("\"sampleCount\":10,"), 17, "\"sampleCount\":true,");
  std::ofstream(demo_ / "tagl.json", std::ios::binary) << tags;
  const std::string error =
      R"(tagl.json: tags[1].class.members[0].corvane.historian "sampleCount": expected a whole number of 32 bits)";
  const support::Outcome bad = Run("check-integration");
  EXPECT_EQ(bad.code, 1);
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(bad.err, "tagprops: " + error + "\n");
  EXPECT_NE(support::ReadFile(demo_ / "diagnostic.log").find("[error] " + error + " ("), std::string::npos);
  const fs::path elsewhere = folder_.Path("elsewhere.log");
  EXPECT_EQ(Run("--log " + support::Quoted(elsewhere) + " check-integration").code, 1);
  EXPECT_NE(support::ReadFile(elsewhere).find("[error] " + error + " ("), std::string::npos);

  std::ofstream(folder_.Path("file")) << "x";
  const fs::path unwritable = folder_.Path("file") / "x.log";
  const support::Outcome run = Run("--log " + support::Quoted(unwritable) + " list");
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "tagprops: cannot write the diagnostic log " + unwritable.string() + "\n");
}

}  // namespace
