#include "helper/DiagnosticLog.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

#include "helper/FileFunctions.h"
#include "helper/RapidJsonHelper.h"
#include "tests/support/TempFolder.h"

namespace {

using helper::DiagnosticLog;
using helper::FileFunctions;

class DiagnosticLogTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(DiagnosticLog::OpenFile(folder_.Path("diagnostic.log").string())); }
  void TearDown() override { DiagnosticLog::Close(); }

  std::string Log() const { return folder_.ReadBytes("diagnostic.log"); }

  support::TempFolder folder_;
};

TEST_F(DiagnosticLogTest, FileFailuresLeaveTheirLines) {
  folder_.WriteBytes("odd.json", "\xFF\xFE\x41");
  folder_.WriteBytes("bad.json", "{\"version\":");
  const std::string odd = folder_.Path("odd.json").string();
  const std::string bad = folder_.Path("bad.json").string();
  const std::string missing = folder_.Path("missing.json").string();
  // A pipe opens but cannot be measured by seeking.
  const std::string pipe = folder_.Path("pipe").string();
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const int writer = open(pipe.c_str(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(writer, 0);

  const struct {
    std::function<bool()> action;
    std::string line;
    std::string function;
  } cases[] = {
      {[&] {
         std::u16string text;
         return FileFunctions::ReadFile(folder_.WidePath("odd.json"), &text);
       },
       "Error to read file: " + odd + ". Invalid unicode file => odd size", "helper::FileFunctions::ReadFile"},
      {[&] {
         std::u16string text;
         return FileFunctions::ReadFile(folder_.WidePath("pipe"), &text);
       },
       "Error to read file: " + pipe + " (", "helper::FileFunctions::ReadFile"},
      {[&] {
         helper::JsonDocument document;
         return helper::RapidJsonHelper::FromFile(folder_.WidePath("missing.json"), document);
       },
       "Error to read file: File " + missing, "helper::RapidJsonHelper::FromFile"},
      {[&] {
         helper::JsonDocument document;
         return helper::RapidJsonHelper::FromFile(folder_.WidePath("bad.json"), document);
       },
       "Error to parse JSON file: File " + bad, "helper::RapidJsonHelper::FromFile"},
  };
  for (const auto& c : cases) {
    const std::size_t before = Log().size();
    EXPECT_FALSE(c.action());
    const std::string added = Log().substr(before);
    EXPECT_NE(added.find(c.line), std::string::npos) << added;
    EXPECT_NE(added.find(c.function), std::string::npos) << added;
    EXPECT_NE(added.find(".cpp:"), std::string::npos) << added;
    EXPECT_EQ(std::count(added.begin(), added.end(), '\n'), 1) << added;
  }
  close(writer);
}

TEST_F(DiagnosticLogTest, MissingFileForReadFileLeavesNoLine) {
  std::u16string text;
  EXPECT_FALSE(FileFunctions::ReadFile(folder_.WidePath("missing.json"), &text));
  EXPECT_EQ(Log(), "");
}

TEST_F(DiagnosticLogTest, LinesAreDroppedOnceTheLogIsClosed) {
  DiagnosticLog::Close();
  folder_.WriteBytes("odd.json", "\xFF\xFE\x41");
  std::u16string text;
  EXPECT_FALSE(FileFunctions::ReadFile(folder_.WidePath("odd.json"), &text));
  EXPECT_EQ(Log(), "");
}

TEST(DiagnosticLogOpenTest, UnwritableFileIsRefused) {
  support::TempFolder folder;
  folder.WriteBytes("file", "");
  EXPECT_FALSE(DiagnosticLog::OpenFile(folder.Path("file").string() + "/x.log"));
  DiagnosticLog::Close();
}

TEST(DiagnosticLogTextTest, PathsBecomeUtf8) {
  EXPECT_EQ(DiagnosticLog::ToUtf8(u"C:\\caf\u00E9\\\u20AC\U0001F600"), "C:\\caf\xC3\xA9\\\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(DiagnosticLog::ToUtf8(u"a\xD800" u"b"), "a\xEF\xBF\xBD" "b");
}

}  // namespace
