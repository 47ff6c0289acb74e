#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "platform/driver/ScriptRunner.h"
#include "tests/platform/driver/FormDialog.h"

namespace {

TEST(ScriptRunnerTest, RunsAScriptFileAgainstADialog) {
  std::string path = testing::TempDir() + "form.script";
  std::ofstream(path) << R"(# Fill in the form as a person would.
check 1001 text "abcd"
select-all 1001
type "Ann \"A\" \\ B"

key Tab            # Tab selects the code's text
check 1002 focused
type "7"
key Backspace
type "42"
click 1003
check 1003 checked
focus 1003
key Space
check 1003 unchecked
choose 1004 "Green"
check 1004 items "Red|Green|Blue"
check 1004 selected "Green"
check 1006 disabled
check 1007 hidden
check 1001 enabled
check 1001 visible
expect-box "More"
click 1005
ok
check closed ok
)";
  CFormDialog dialog;
  INT_PTR result = 0;
  driver::ScriptOutcome outcome = driver::ScriptRunner::RunFile(path, [&] { result = dialog.DoModal(); });
  EXPECT_TRUE(outcome.passed) << outcome.Message();
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.m_name, u"Ann \"A\" \\ B");
  EXPECT_EQ(dialog.m_code, 42);
  EXPECT_EQ(dialog.m_flag, FALSE);
  EXPECT_EQ(dialog.m_color, 1);
  std::remove(path.c_str());
}

TEST(ScriptRunnerTest, RunsAScriptAgainstASheet) {
  CTwoPageSheet sheet;
  INT_PTR result = 0;
  driver::ScriptOutcome outcome = driver::ScriptRunner::RunText(R"(check pages "Alpha|Beta"
check page "Alpha"
page "Beta"
check page "Beta"
key Ctrl+PgDn
check page "Alpha"
cancel
check closed cancel
)", "sheet", [&] { result = sheet.DoModal(); });
  EXPECT_TRUE(outcome.passed) << outcome.Message();
  EXPECT_EQ(result, IDCANCEL);
}

TEST(ScriptRunnerTest, StopsAtTheFirstFailureWithItsLineAndReason) {
  struct Case {
    const char* script;
    int line;
    const char* reason;
  };
  const Case cases[] = {
      {"# a comment\n\ncheck 1001 text \"zzz\"\nok", 3, "check 1001 text: expected \"zzz\", found \"abcd\""},
      {"check 1006 enabled\nok", 1, "check 1006 enabled: the control is disabled"},
      {"check 1001 items \"a\"\nok", 1, "check 1001 items: expected \"a\", found \"\""},
      {"check 1004 selected \"Blue\"\nok", 1, "check 1004 selected: expected \"Blue\", found \"Red\""},
      {"check 1002 focused\nok", 1, "check 1002 focused: the control is not focused"},
      {"check page \"Alpha\"\nok", 1, "the window is not a property sheet"},
      {"check closed ok\ncancel", 1, "check closed ok: the dialog is open"},
      {"cancel\ncheck closed ok", 2, "check closed ok: it closed with 2"},
      {"click 1005\nok", 1, "unexpected message box \"More\""},
      {"expect-box \"Less\"\nclick 1005\nok", 2, "expected the message box \"Less\", got \"More\""},
      {"expect-box \"Nope\"\nok", 1, "the announced message box \"Nope\" never came"},
      {"expect-box\nok", 1, "the announced message box never came"},
      {"click 999", 1, "there is no control 999"},
      {"check 1001 enabled", 1, "the script ended with the dialog \"Form\" still open"},
      {"ok\ntype \"x\"", 2, "type \"x\": no dialog is open"},
      {"ok\njump 3", 2, "unknown action jump"},
      {"type abc", 1, "type takes a quoted string"},
      {"key F5", 1, "unknown key F5"},
      {"choose \"x\" 1004", 1, "choose takes an id and a quoted item"},
      {"check 1001 bold", 1, "check takes a control id and what to check, or page, pages or closed"},
      {"type \"abc", 1, "the string has no closing quote"},
      {"type \"a\\tb\"", 1, "unknown escape \\t"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    CFormDialog dialog;
    driver::ScriptOutcome outcome = driver::ScriptRunner::RunText(c.script, "test", [&] { dialog.DoModal(); });
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.line, c.line);
    EXPECT_EQ(outcome.reason, c.reason);
  }
}

TEST(ScriptRunnerTest, UnreadableFileFailsWithoutRunning) {
  bool ran = false;
  driver::ScriptOutcome outcome = driver::ScriptRunner::RunFile("/nonexistent/x.script", [&] { ran = true; });
  EXPECT_FALSE(outcome.passed);
  EXPECT_EQ(outcome.Message(), "/nonexistent/x.script:0: cannot read the script");
  EXPECT_FALSE(ran);
}

}  // namespace
