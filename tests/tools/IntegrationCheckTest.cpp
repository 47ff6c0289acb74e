// tagprops check-integration and --log, run as a person runs them on a demo project, and the
// integration page's sample script through the plug-in.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

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

TEST_F(IntegrationCheck, BoilerSampleScriptLandsInTaglJson) {
  const support::Outcome sheet = Run("--script '" BOILER_SCRIPT "' sheet Boiler");
  ASSERT_EQ(sheet.code, 0) << sheet.out << sheet.err;
  const std::string tags = Utf16Text(demo_ / "tagl.json");
  // The rest of Boiler's record (its alarm) and the other tag are kept.
  for (const char* kept : {R"("name":"Boiler",)", R"("message":"Boiler hot")", R"("name":"Pump1",)",
                           R"("corvane":{"value":true,"alarm":false,"historian":{"enable":true,"trendScaleMax":400.0,)"
                           R"("trendScaleMin":-50.0,"interpolationType":"SystemDefault","description":"",)"
                           R"("forcedStoragePeriod":true,"rolloverValue":0.0,"sampleCount":250,"swingingDoor":true,)"
                           R"("deadbandRate":0.5}})"}) {
    EXPECT_NE(tags.find(kept), std::string::npos) << kept;
  }
  EXPECT_NE(Run("show Boiler").out.find("parameters.flags: 0x00000050\n"), std::string::npos);
}

}  // namespace
