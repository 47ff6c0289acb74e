// The sample scripts of tests/dialogs/scripts, run by the host program on the demo project as a
// person runs them by hand; `tagprops show` tells what changed.

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "hostsim/DemoProject.h"
#include "tests/support/Program.h"
#include "tests/support/TempFolder.h"

namespace {

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
  }
}

}  // namespace
