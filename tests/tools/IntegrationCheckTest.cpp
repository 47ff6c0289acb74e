// tagprops check-integration and --log, run as a person runs them on a demo project.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "hostsim/DemoProject.h"

namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The text of a UTF-16LE file with its mark, as UTF-8 (the demo's files hold ASCII only).
std::string Utf16Text(const fs::path& file) {
  const std::string bytes = Slurp(file);
  std::string text;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) text += bytes[i];
  return text;
}

class IntegrationCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tagprops-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    hostsim::DemoProject::Write(Demo());
  }
  void TearDown() override { fs::remove_all(root_); }
  fs::path Demo() const { return root_ / "demo"; }

  struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
  };
  Outcome Run(const std::string& arguments) {
    const fs::path errFile = root_ / "stderr.txt";
    const std::string command = "XDG_DATA_HOME='" + root_.string() + "' " TAGPROPS_PATH " --project '" +
                                Demo().string() + "' " + arguments + " 2>'" + errFile.string() + "'";
    Outcome run;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = Slurp(errFile);
    fs::remove(errFile);
    return run;
  }

  fs::path root_;
};

TEST_F(IntegrationCheck, SummarisesFilesThatLoad) {
  const Outcome run = Run("check-integration");
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "tagl.json: 2 tags, UTF-16LE; class.json: 1 class, UTF-16LE\n");
  EXPECT_EQ(run.err, "");
  EXPECT_FALSE(fs::exists(Demo() / "diagnostic.log")) << "nothing to log, no log file";

  std::ofstream(Demo() / "tagl.json", std::ios::binary) << R"({"version":1})";
  EXPECT_EQ(Run("check-integration").out, "tagl.json: 0 tags, UTF-8; class.json: 1 class, UTF-16LE\n");
}

TEST_F(IntegrationCheck, NamesTheFileTheRecordAndTheKeyOfTheFirstFaultAndLogsIt) {
  const std::string tags = Utf16Text(Demo() / "tagl.json");
  struct Case {
    const char* what;
    std::string tags;  // UTF-8 text; empty: as the demo has it
    bool removeClasses;
    std::string error;
  };
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = tags;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const Case cases[] = {
      {"syntax error", replaced("\"version\":1,", "\"version\":1"), false,
       "tagl.json: not JSON at character 12: Missing a comma or '}' after an object member."},
      {"invalid record", replaced("\"sampleCount\":10,", "\"sampleCount\":true,"), false,
       R"(tagl.json: tags[1].class.members[0].corvane.historian "sampleCount": expected a whole number of 32 bits)"},
      {"class.json missing", "", true, "class.json: missing beside tagl.json"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(Demo());
    hostsim::DemoProject::Write(Demo());
    if (!c.tags.empty()) std::ofstream(Demo() / "tagl.json", std::ios::binary) << c.tags;
    if (c.removeClasses) fs::remove(Demo() / "class.json");
    const Outcome run = Run("check-integration");
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "tagprops: " + c.error + "\n");
    EXPECT_NE(Slurp(Demo() / "diagnostic.log").find("[error] " + c.error + " ("), std::string::npos);

    const fs::path elsewhere = root_ / "elsewhere.log";
    fs::remove(elsewhere);
    EXPECT_EQ(Run("--log '" + elsewhere.string() + "' check-integration").code, 1);
    EXPECT_NE(Slurp(elsewhere).find("[error] " + c.error + " ("), std::string::npos);
  }
}

TEST_F(IntegrationCheck, BoilerSampleScriptLandsInTaglJson) {
  const Outcome sheet = Run("--script '" BOILER_SCRIPT "' sheet Boiler </dev/null");
  ASSERT_EQ(sheet.code, 0) << sheet.out << sheet.err;
  const std::string tags = Utf16Text(Demo() / "tagl.json");
  EXPECT_NE(tags.find(R"("name":"Boiler",)"), std::string::npos) << tags;
  EXPECT_NE(tags.find(R"("corvane":{"value":true,"alarm":false,"historian":{"enable":true,"trendScaleMax":400.0,)"
                      R"("trendScaleMin":-50.0,"interpolationType":"SystemDefault","description":"",)"
                      R"("forcedStoragePeriod":true,"rolloverValue":0.0,"sampleCount":250,"swingingDoor":true,)"
                      R"("deadbandRate":0.5}})"),
            std::string::npos)
      << tags;
  // The rest of Boiler's record and the other tag are kept.
  EXPECT_NE(tags.find(R"("message":"Boiler hot")"), std::string::npos);
  EXPECT_NE(tags.find(R"("name":"Pump1",)"), std::string::npos);
  const Outcome show = Run("show Boiler");
  EXPECT_NE(show.out.find("parameters.flags: 0x00000050\n"), std::string::npos) << show.out;
  EXPECT_EQ(Run("check-integration").code, 0);
}

TEST_F(IntegrationCheck, LogThatCannotBeWrittenIsOneLineAndNothingRuns) {
  std::ofstream(root_ / "file") << "x";
  const Outcome run = Run("--log '" + (root_ / "file" / "x.log").string() + "' list");
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "tagprops: cannot write the diagnostic log " + (root_ / "file" / "x.log").string() + "\n");
}

}  // namespace
