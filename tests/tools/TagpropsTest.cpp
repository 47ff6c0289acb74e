#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <map>
#include <string>

#include "hostsim/DemoProject.h"
#include "tests/support/Program.h"
#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

using support::Outcome;

void Execute(const fs::path& demo, const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open((demo / "project.db").c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
}

// Every file below the folder with its content.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    files[entry.path().string()] = entry.is_regular_file() ? support::ReadFile(entry.path()) : "<dir>";
  }
  return files;
}

class Tagprops : public ::testing::Test {
 protected:
  void SetUp() override { hostsim::DemoProject::Write(root_ / "demo"); }
  Outcome Call(const std::string& arguments) { return support::Tagprops(arguments, root_); }
  std::string Demo() const { return "--project " + support::Quoted(root_ / "demo") + " "; }
  support::TempFolder folder_;
  const fs::path root_ = folder_.Root();
};

TEST_F(Tagprops, BadInputGetsOneLineNamingTheProblemAndWritesNothing) {
  struct Case {
    const char* what;
    void (*spoil)(const fs::path& demo);
    const char* arguments;
    int code;
    const char* error;
  };
  const Case cases[] = {
      {"missing project", nullptr, "--project /nonexistent/folder list", 1, "project folder not found"},
      {"no database", [](const fs::path& d) { fs::remove(d / "project.db"); }, "list", 1, "project.db: not found"},
      {"database is a folder", [](const fs::path& d) { fs::remove(d / "project.db"); fs::create_directory(d / "project.db"); },
       "list", 1, "project.db: not found"},
      {"corrupt database", [](const fs::path& d) { std::ofstream(d / "project.db") << std::string(4096, 'x'); }, "list",
       1, "project.db: not a tag database"},
      {"corrupt settings", [](const fs::path& d) { std::ofstream(d / "settings.ini") << "[OEM\nCompanyID=81\n"; },
       "show Level", 1, "settings.ini: syntax error on line 1"},
      {"empty database", [](const fs::path& d) { std::ofstream(d / "project.db").flush(); }, "list", 1,
       "project.db: not a tag database"},
      {"settings not a number", [](const fs::path& d) { std::ofstream(d / "settings.ini") << "[Limits]\nMaxArray=lots\n"; },
       "list", 1, "settings.ini: [Limits] MaxArray is not a whole number"},
      {"corrupt tag rows", [](const fs::path& d) { Execute(d, "INSERT INTO elements VALUES(12, 0, 5, 0, 0, 0)"); },
       "show Level", 1, "project.db: an element row of tag 12 names no element"},
      {"unknown tag", nullptr, "show Nope", 1, "no tag named Nope"},
      {"unknown member", nullptr, "show Pump1.Torque", 1, "no tag named Pump1.Torque"},
      {"init over a project", nullptr, "init DEMO", 1, "already holds a project"},
      {"unknown command", nullptr, "frob", 2, "unknown command frob"},
      {"missing argument", nullptr, "show", 2, "usage: tagprops show TAG"},
      {"unknown option", nullptr, "--colour list", 2, "unknown option --colour"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path demo = root_ / "demo";
    if (c.spoil != nullptr) c.spoil(demo);
    const auto before = Snapshot(root_);
    std::string arguments = c.arguments;
    if (arguments == "init DEMO") arguments = "init '" + demo.string() + "'";
    const Outcome run = Call(arguments.starts_with("--") || arguments.starts_with("init") ? arguments : Demo() + arguments);
    EXPECT_EQ(run.code, c.code);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("tagprops: ")) << run.err;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    EXPECT_EQ(Snapshot(root_), before);
    fs::remove_all(demo);
    hostsim::DemoProject::Write(demo);
  }
}

TEST_F(Tagprops, ListsTagsAndShowsAStableReport) {
  const Outcome list = Call(Demo() + "list");
  ASSERT_EQ(list.code, 0) << list.err;
  EXPECT_NE(list.out.find("\n    12  user     Integer            0  Level\n"), std::string::npos) << list.out;
  EXPECT_NE(list.out.find("\n     1  system   Integer            0  Second\n"), std::string::npos);
  EXPECT_NE(list.out.find("\n     6  user     Pump               0  Pump1\n"), std::string::npos);

  const Outcome first = Call(Demo() + "show Counters");
  ASSERT_EQ(first.code, 0) << first.err;
  for (const char* line : {"tag.type: 1 Integer\n", "tag.size: 10\n", "element[10].history.enabled: 1\n",
                           "element[3].alarms.type[0].code: 2 Hi\n", "element[3].alarms.type[0].limit: 1000\n",
                           "messages: 0\n"}) {
    EXPECT_NE(first.out.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(Call(Demo() + "show counters").out, first.out) << "the report is stable";
}

TEST_F(Tagprops, WithoutAProjectItMakesTheDemoProjectOnFirstUse) {
  const Outcome run = Call("show Pump1.Speed");
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_TRUE(fs::exists(root_ / "tagprops" / "demo" / "project.db"));
  EXPECT_NE(run.out.find("member[Speed].integration.value: 1\n"), std::string::npos);
  EXPECT_EQ(run.out.find("member[Flow]"), std::string::npos) << "only the member asked for";
}

// The property sheet, the tag dialog and the edit question, through the plug-in that tagprops loads.
class TagpropsPlugIn : public Tagprops {
 protected:
  // Runs tagprops on the demo project with a script of these lines.
  Outcome WithScript(const std::string& options, const std::string& command, const std::string& script) {
    const fs::path file = root_ / "script.txt";
    std::ofstream(file) << script;
    return Call(Demo() + options + " --script '" + file.string() + "' " + command);
  }
};

// The plug-in's own tests cover which pages a tag gets; here demo tags open through tagprops, in
// the language it is given, with a class member's pages following the member's type.
TEST_F(TagpropsPlugIn, DemoTagsOpenWithTheirPagesInTheLanguageGiven) {
  struct Case {
    const char* language;
    const char* tag;
    const char* script;
  };
  const Case cases[] = {
      {"de-DE", "Date",
       "expect-box \"Die Eigenschaften von System-Tags können nicht geändert werden, sie werden schreibgeschützt "
       "angezeigt.\"\ncheck pages \"Parameter|Historie - Typ Boolesch/Zeichenkette|Corvane-Integration\"\n"},
      {"de-DE", "Pump1.Speed",
       "check pages \"Parameter|Alarme - Typ Ganzzahl/Gleitkomma|Historie - Typ Ganzzahl/Gleitkomma|"
       "Corvane-Integration\"\ncheck 1 text \"OK\"\ncheck 2 text \"Abbrechen\"\nselect-all 521\ntype \"viel\"\n"
       "expect-box \"Bitte geben Sie eine ganze Zahl ein.\"\nok\ncheck 521 focused\n"},
      {"en-US", "Pump1.Label", "check pages \"Parameters|History - Bool/String Type|Corvane Integration\"\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.language) + " " + c.tag);
    const Outcome run = WithScript(std::string("--lang ") + c.language, std::string("sheet '") + c.tag + "'",
                                   std::string(c.script) + "cancel\ncheck closed cancel\n");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(TagpropsPlugIn, FailuresGetOneLineAndAnExitCode) {
  struct Case {
    const char* what;
    const char* command;
    const char* script;  // null: run without a script
    const char* error;
  };
  const Case cases[] = {
      {"a failing check", "sheet Level", "check pages \"Parameters\"\ncancel\n", "script.txt:1: "},
      {"a box that never came", "sheet Level", "expect-box\ncancel\n", "script.txt:1: "},
      {"an unexpected box", "sheet Second", "cancel\n", "You cannot change properties of system tags"},
      {"a sheet left open", "sheet Level", "check pages \"Parameters|Alarms - Integer/Real Type|History - Integer/Real "
                                           "Type|Corvane Integration\"\n", "script.txt:"},
      {"an unknown tag", "sheet Nope", "", "no sheet for Nope"},
      {"a class-typed tag as a whole", "sheet Pump1", "", "no sheet for Pump1"},
      {"an unknown tag to edit", "edit Nope", "", "no tag named Nope"},
      {"no script and no terminal", "sheet Level", nullptr, "needs --script FILE or a terminal"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto before = Snapshot(root_ / "demo");
    const Outcome run = c.script != nullptr ? WithScript("", c.command, c.script)
                                            : Call(Demo() + c.command);
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.starts_with("tagprops: ")) << run.err;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    // A sheet that opened was cancelled, which still commits the tag list; nothing else writes.
    if (c.script == nullptr || *c.script == '\0') {
      EXPECT_EQ(Snapshot(root_ / "demo"), before);
    }
  }
}

// can-edit prints its answer and exits with it; edit prints how the dialog ended; --verbose
// reports the tag-list commits.
TEST_F(TagpropsPlugIn, CanEditEditAndVerboseReportWhatTheHostWasTold) {
  for (const auto& [tag, code] : {std::pair{"Pump1.Speed", 0}, std::pair{"Nope", 1}}) {
    const Outcome run = Call(Demo() + "can-edit " + tag);
    EXPECT_EQ(run.code, code) << run.err;
    EXPECT_EQ(run.out, code == 0 ? "1\n" : "0\n");
  }
  const Outcome edit = WithScript("", "edit Level", "cancel\n");
  EXPECT_EQ(edit.code, 0) << edit.err;
  EXPECT_EQ(edit.out, "cancelled\n");

  const Outcome sheet = WithScript("--verbose", "sheet Level", "cancel\n");
  EXPECT_EQ(sheet.code, 0) << sheet.err;
  EXPECT_EQ(sheet.out, "DBSaveTagLModified: 1 call(s)\n");
}

}  // namespace
