#include <gtest/gtest-spi.h>

#include <functional>

#include "platform/driver/UserTest.h"
#include "tests/platform/driver/FormDialog.h"

namespace {

using driver::Driver;
using driver::Key;

class DriverTest : public driver::UserTest {};

// The keys themselves are the terminal's too: its tests press every one.
TEST_F(DriverTest, FocusPutsTheCaretAtTheEndAndTypingReplacesASelection) {
  struct Case {
    const char* name;
    std::function<void(Driver&)> keys;
    const char16_t* text;
  };
  const Case cases[] = {
      {"typing after focus appends", [](Driver& d) { d.Type(u"ef"); }, u"abcdef"},
      {"typing replaces the selection", [](Driver& d) { d.SelectAll(IDC_NAME); d.Type(u"Z"); }, u"Z"},
      {"Home, Right, Space", [](Driver& d) { d.Press(Key::Home); d.Press(Key::Right); d.Press(Key::Space); }, u"a bcd"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CFormDialog dialog;
    user.OnModal([&](Driver& d) {
      d.Focus(IDC_NAME);
      EXPECT_EQ(d.Selection(IDC_NAME), std::make_pair(4, 4));
      c.keys(d);
      EXPECT_EQ(d.Text(IDC_NAME), c.text);
      d.Ok();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_name, c.text);
  }
}

// The script runner's own table has the boxes, missing controls and other windows.
TEST_F(DriverTest, ActionsAPersonCannotDoFailAndStopTheScript) {
  struct Case {
    const char* name;
    std::function<void(driver::ScriptedUser&, Driver&)> script;
    std::string failure;
    INT_PTR result;
  };
  const Case cases[] = {
      {"box never came", [](auto& u, Driver& d) { u.ExpectBox(u"More"); d.Ok(); },
       "the announced message box \"More\" never came", IDOK},
      {"disabled", [](auto&, Driver& d) { d.Click(IDC_LOCKED); d.Ok(); }, "click 1006: the control is disabled", IDCANCEL},
      {"hidden", [](auto&, Driver& d) { d.Focus(IDC_SECRET); d.Ok(); }, "focus 1007: the control is hidden", IDCANCEL},
      {"no such item", [](auto&, Driver& d) { d.Choose(IDC_COLOR, u"Pink"); d.Ok(); },
       "choose 1004: no item \"Pink\" among \"Red|Green|Blue\"", IDCANCEL},
      {"after closing", [](auto&, Driver& d) { d.Ok(); d.Type(u"x"); }, "type: the dialog is closed", IDOK},
      {"left open", [](auto&, Driver&) {}, "the script ended with the dialog \"Form\" still open", IDCANCEL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    driver::ScriptedUser own;
    CFormDialog dialog;
    dialog.m_code = 5;
    own.OnModal([&](Driver& d) {
      d.SelectAll(IDC_CODE);
      d.Type(u"6");
      c.script(own, d);
    });
    EXPECT_EQ(dialog.DoModal(), c.result);
    std::vector<driver::Failure> failures = own.Finish();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].message, c.failure);
    EXPECT_EQ(dialog.m_code, c.result == IDOK ? 6 : 5);
  }
}

TEST_F(DriverTest, FailuresPointAtTheTestLineAndWindowsWithoutScriptsAreCancelled) {
  driver::ScriptedUser own;
  CFormDialog dialog;
  int line = 0;
  own.OnModal([&](Driver& d) {
    line = __LINE__ + 1;
    d.Click(IDC_LOCKED);
  });
  dialog.DoModal();
  std::vector<driver::Failure> failures = own.Finish();
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].line, line);
  EXPECT_NE(failures[0].file.find("DriverTest.cpp"), std::string::npos);

  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  failures = own.Finish();
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].message, "the dialog \"Form\" opened with no script for it");

  own.OnModal([](Driver& d) { d.Ok(); });
  failures = own.Finish();
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].message, "no dialog opened for this script");
}

TEST(UserTestFixture, ReportsEveryFailureAsATestFailure) {
  driver::ScriptedUser own;
  own.ExpectBox(u"never");
  EXPECT_NONFATAL_FAILURE(EXPECT_EQ(driver::ReportFailures(own), 1), "the announced message box \"never\" never came");
  EXPECT_EQ(driver::ReportFailures(own), 0);
}

}  // namespace
