// A person at a real terminal: tagprops runs the demo tag's sheet inside tmux, where keys are
// typed into a field, the page is switched and Enter closes the sheet; what was typed must then
// be stored. Skipped where tmux is not installed.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "hostsim/DemoProject.h"
#include "tests/support/Program.h"
#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

using support::Quoted;

class TerminalSmoke : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("command -v tmux >/dev/null 2>&1") != 0) GTEST_SKIP() << "tmux is not installed: no terminal to test in";
    hostsim::DemoProject::Write(m_root / "demo");
    // A server of our own, so that nothing else running tmux is touched.
    m_tmux = "tmux -L tagprops-smoke-" + std::to_string(getpid()) + " -f /dev/null ";
  }

  void TearDown() override {
    if (!m_tmux.empty()) std::system((m_tmux + "kill-server >/dev/null 2>&1").c_str());
  }

  std::string Screen() const { return support::Run(m_tmux + "capture-pane -p -t smoke").out; }

  // Waits until the screen shows the text; false after the time is up.
  bool WaitFor(const std::string& text) const {
    for (int i = 0; i < 600; ++i) {
      if (Screen().find(text) != std::string::npos) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
  }

  void Keys(const std::string& keys) const { std::system((m_tmux + "send-keys -t smoke " + keys).c_str()); }

  support::TempFolder m_folder;
  const fs::path m_root = m_folder.Root();
  std::string m_tmux;
};

TEST_F(TerminalSmoke, TypingIntoTheSheetAndPressingEnterStoresTheValue) {
  const fs::path exitCode = m_root / "exit-code";
  const std::string tagprops = Quoted(support::TagpropsPath()) + " --project " + Quoted(m_root / "demo");
  const std::string program = tagprops + " sheet Level; echo $? >" + Quoted(exitCode) + "; sleep 60";
  ASSERT_EQ(std::system((m_tmux + "new-session -d -s smoke -x 120 -y 40 " + Quoted(program)).c_str()), 0);
  ASSERT_TRUE(WaitFor("Retentive Parameters")) << Screen();
  // The focus starts on the first check box; two tabs on is the startup value, its text selected.
  Keys("Tab Tab 4 2");
  ASSERT_TRUE(WaitFor("42")) << Screen();
  Keys("C-NPage");
  ASSERT_TRUE(WaitFor("Limit")) << "the alarms page did not open:\n" << Screen();
  Keys("Enter");
  for (int i = 0; i < 600 && !fs::exists(exitCode); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  std::ifstream code(exitCode);
  ASSERT_TRUE(code.good()) << "the sheet did not close:\n" << Screen();
  std::string value;
  std::getline(code, value);
  EXPECT_EQ(value, "0");
  const std::string shown = support::Run(tagprops + " show Level").out;
  EXPECT_NE(shown.find("parameters.startup_value: \"42\""), std::string::npos) << shown;
}

}  // namespace
