#include "helper/DiagnosticLog.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "helper/FileFunctions.h"
#include "helper/RapidJsonHelper.h"
#include "tests/support/TempFolder.h"

namespace {

using helper::DiagnosticLog;
using helper::FileFunctions;

constexpr const char* kReadFile = "helper::FileFunctions::ReadFile";
constexpr const char* kFromFile = "helper::RapidJsonHelper::FromFile";

TEST(DiagnosticLogTest, FileFailuresLeaveTheirLines) {
  support::TempFolder folder;
  ASSERT_TRUE(DiagnosticLog::OpenFile(folder.Path("diagnostic.log").string()));
  const auto log = [&] { return folder.ReadBytes("diagnostic.log"); };
  folder.WriteBytes("odd.json", "\xFF\xFE\x41");
  folder.WriteBytes("bad.json", "{\"version\":");
  const std::string odd = folder.Path("odd.json").string();
  // A pipe opens but cannot be measured by seeking.
  const std::string pipe = folder.Path("pipe").string();
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const int writer = open(pipe.c_str(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(writer, 0);

  const auto read = [&](const char* name) {
    std::u16string text;
    return FileFunctions::ReadFile(folder.WidePath(name), &text);
  };
  const auto fromFile = [&](const char* name) {
    helper::JsonDocument document;
    return helper::RapidJsonHelper::FromFile(folder.WidePath(name), document);
  };
  const struct {
    const char* function;
    const char* file;
    std::string line;  // empty: no line at all
  } cases[] = {
      {kReadFile, "missing.json", ""},
      {kReadFile, "odd.json", "Error to read file: " + odd + ". Invalid unicode file => odd size"},
      {kReadFile, "pipe", "Error to read file: " + pipe + " ("},
      {kFromFile, "missing.json", "Error to read file: File " + folder.Path("missing.json").string()},
      {kFromFile, "bad.json", "Error to parse JSON file: File " + folder.Path("bad.json").string()},
  };
  for (const auto& c : cases) {
    const std::size_t before = log().size();
    EXPECT_FALSE(c.function == kFromFile ? fromFile(c.file) : read(c.file));
    const std::string added = log().substr(before);
    if (c.line.empty()) {
      EXPECT_EQ(added, "");
      continue;
    }
    EXPECT_NE(added.find(c.line), std::string::npos) << added;
    EXPECT_NE(added.find(c.function), std::string::npos) << added;
    EXPECT_NE(added.find(".cpp:"), std::string::npos) << added;
    EXPECT_EQ(std::count(added.begin(), added.end(), '\n'), 1) << added;
  }
  close(writer);

  // Once closed, lines are dropped; a log that cannot be written is refused.
  const std::string lines = log();
  DiagnosticLog::Close();
  EXPECT_FALSE(read("odd.json"));
  EXPECT_EQ(log(), lines);
  EXPECT_FALSE(DiagnosticLog::OpenFile(odd + "/x.log"));
}

TEST(DiagnosticLogTextTest, PathsBecomeUtf8) {
  EXPECT_EQ(DiagnosticLog::ToUtf8(u"C:\\caf\u00E9\\\u20AC\U0001F600"), "C:\\caf\xC3\xA9\\\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(DiagnosticLog::ToUtf8(u"a\xD800" u"b"), "a\xEF\xBF\xBD" "b");
}

}  // namespace
