// The sample script of the parameters page, run by the host program against the demo project as a
// person would run it: tagprops --script FILE sheet Temperature.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "hostsim/DemoProject.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int code = -1;
  std::string out;
};

// Runs tagprops with the arguments (shell words), with the data folder given for its own files.
Outcome RunTagprops(const std::string& arguments, const fs::path& dataHome) {
  const std::string command =
      "XDG_DATA_HOME='" + dataHome.string() + "' " TAGPROPS_PATH " " + arguments + " </dev/null 2>&1";
  Outcome run;
  FILE* pipe = popen(command.c_str(), "r");
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

TEST(ParamPageScript, SampleScriptChangesTheDemoTemperatureParameters) {
  std::string pattern = (fs::temp_directory_path() / "params-script-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  const fs::path root = pattern;
  hostsim::DemoProject::Write(root / "demo");
  const std::string project = "--project '" + (root / "demo").string() + "' ";

  const Outcome sheet = RunTagprops(project + "--script '" SAMPLE_SCRIPT "' sheet Temperature", root);
  EXPECT_EQ(sheet.code, 0) << sheet.out;

  const Outcome show = RunTagprops(project + "show Temperature", root);
  ASSERT_EQ(show.code, 0) << show.out;
  for (const char* line : {"parameters.flags: 0x0000000D\n", "parameters.engineering_min: 150\n",
                           "parameters.engineering_max: 120\n", "parameters.unit: \"Celsius\"\n",
                           "parameters.dead_band: 0.2\n", "parameters.startup_value: \" 18.25 \"\n"}) {
    EXPECT_NE(show.out.find(line), std::string::npos) << line << show.out;
  }
  fs::remove_all(root);
}

}  // namespace
