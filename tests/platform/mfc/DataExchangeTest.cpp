#include <functional>

#include "platform/driver/UserTest.h"
#include "platform/driver/Utf8.h"
#include "platform/mfc/FrameworkPrompts.h"
#include "tests/platform/mfc/TestDialogs.h"

namespace {

class DataExchangeTest : public driver::UserTest {};

TEST_F(DataExchangeTest, SavingParsesOrRefusesWithThePromptFocusAndSelection) {
  const std::u16string range = u"Please enter an integer between 1 and 255.";
  struct Case {
    int control;
    const char16_t* typed;
    std::u16string prompt;  // empty: accepted
    std::function<void(const CExchangeDialog&)> expect;
  };
  const Case cases[] = {
      {IDC_INT, u" 42 ", u"", [](auto& d) { EXPECT_EQ(d.m_int, 42); }},
      {IDC_INT, u"-3", u"", [](auto& d) { EXPECT_EQ(d.m_int, -3); }},
      {IDC_INT, u"abc", afx_prompt::kInteger, [](auto& d) { EXPECT_EQ(d.m_int, 7); }},
      {IDC_INT, u"   ", afx_prompt::kInteger, [](auto& d) { EXPECT_EQ(d.m_int, 7); }},
      {IDC_INT, u"", afx_prompt::kInteger, [](auto& d) { EXPECT_EQ(d.m_int, 7); }},
      {IDC_INT, u"1.5", afx_prompt::kInteger, [](auto& d) { EXPECT_EQ(d.m_int, 7); }},
      {IDC_INT, u"12x", afx_prompt::kInteger, [](auto& d) { EXPECT_EQ(d.m_int, 7); }},
      {IDC_INT, u"99999999999", afx_prompt::kInteger, [](auto& d) { EXPECT_EQ(d.m_int, 7); }},
      {IDC_RANGE, u"255", u"", [](auto& d) { EXPECT_EQ(d.m_range, 255); }},
      {IDC_RANGE, u"0", range, [](auto& d) { EXPECT_EQ(d.m_range, 0); }},
      {IDC_RANGE, u"256", range, [](auto& d) { EXPECT_EQ(d.m_range, 256); }},
      {IDC_REAL, u"1.5", u"", [](auto& d) { EXPECT_EQ(d.m_real, 1.5); }},
      {IDC_REAL, u"1e3", u"", [](auto& d) { EXPECT_EQ(d.m_real, 1000.0); }},
      {IDC_REAL, u" -0.25 ", u"", [](auto& d) { EXPECT_EQ(d.m_real, -0.25); }},
      {IDC_REAL, u"", afx_prompt::kNumber, [](auto& d) { EXPECT_EQ(d.m_real, 2.5); }},
      {IDC_REAL, u"1,5", afx_prompt::kNumber, [](auto& d) { EXPECT_EQ(d.m_real, 2.5); }},
      {IDC_REAL, u"1.5e", afx_prompt::kNumber, [](auto& d) { EXPECT_EQ(d.m_real, 2.5); }},
      {IDC_SHORT, u"seven77", u"", [](auto& d) { EXPECT_EQ(d.m_short, u"seven77"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(driver::Quoted(c.typed));
    CExchangeDialog dialog;
    user.OnModal([&](driver::Driver& d) {
      d.SelectAll(c.control);
      d.Press(driver::Key::Delete);
      d.Type(c.typed);
      // A member after every field: it changes only when the whole exchange passes.
      d.Choose(IDC_LIST, u"Alpha");
      if (!c.prompt.empty()) user.ExpectBox(c.prompt);
      d.Ok();
      if (c.prompt.empty()) return;
      EXPECT_FALSE(d.Closed());
      EXPECT_EQ(user.ShownBoxes().back().type & 0xF, static_cast<UINT>(MB_OK)) << "the prompt has only OK";
      EXPECT_TRUE(d.Focused(c.control));
      EXPECT_EQ(d.Selection(c.control), std::make_pair(0, static_cast<int>(d.Text(c.control).size())));
      d.Cancel();
    });
    EXPECT_EQ(dialog.DoModal(), c.prompt.empty() ? IDOK : IDCANCEL);
    c.expect(dialog);
    EXPECT_EQ(dialog.m_list, c.prompt.empty() ? 0 : 1);
  }
}

TEST_F(DataExchangeTest, TooLongTextCannotBeTypedAndIsRefusedWhenSetOtherwise) {
  CExchangeDialog dialog;
  user.OnModal([&](driver::Driver& d) {
    d.SelectAll(IDC_SHORT);
    d.Type(u"12345678");
    EXPECT_EQ(d.Text(IDC_SHORT), u"1234567");
    SetWindowTextW(d.Control(IDC_SHORT), u"12345678");
    d.Choose(IDC_LIST, u"Alpha");
    user.ExpectBox(u"Please enter no more than 7 characters.");
    d.Ok();
    EXPECT_TRUE(d.Focused(IDC_SHORT));
    EXPECT_EQ(d.Selection(IDC_SHORT), std::make_pair(0, 8));
    d.Cancel();
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.m_short, u"12345678");
  EXPECT_EQ(dialog.m_list, 1);
}

TEST_F(DataExchangeTest, LoadingShowsRealsWithFifteenSignificantDigits) {
  struct Case {
    double value;
    const char16_t* shown;
  };
  const Case cases[] = {
      {0.1, u"0.1"},       {1.0 / 3, u"0.333333333333333"}, {123456789012345678.0, u"1.23456789012346e+17"},
      {1e20, u"1e+20"},    {1e-5, u"1e-05"},                 {100, u"100"},
      {-2.5, u"-2.5"},     {0.0, u"0"},
  };
  for (const Case& c : cases) {
    CExchangeDialog dialog;
    dialog.m_real = c.value;
    user.OnModal([&](driver::Driver& d) {
      EXPECT_EQ(d.Text(IDC_REAL), c.shown);
      d.Cancel();
    });
    dialog.DoModal();
  }
}

TEST_F(DataExchangeTest, LoadingFillsControlsAndLimitsText) {
  CExchangeDialog dialog;
  dialog.m_int = -12;
  dialog.m_check = TRUE;
  dialog.m_list = 2;
  user.OnModal([&](driver::Driver& d) {
    EXPECT_EQ(d.Text(IDC_INT), u"-12");
    EXPECT_EQ(d.Text(IDC_RANGE), u"10");
    EXPECT_EQ(d.Text(IDC_SHORT), u"abc");
    EXPECT_TRUE(d.Checked(IDC_CHECK));
    EXPECT_EQ(d.Items(IDC_LIST), (std::vector<std::u16string>{u"Alpha", u"Beta", u"€uro"}));
    EXPECT_EQ(d.Selected(IDC_LIST), u"€uro");
    EXPECT_EQ(SendMessageW(d.Control(IDC_SHORT), EM_GETLIMITTEXT, 0, 0), 7);
    d.Ok();
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_list, 2);
  EXPECT_EQ(dialog.m_check, TRUE);
}

TEST_F(DataExchangeTest, TransfersLockOutNotificationsAndTypingNotifiesPerKeystroke) {
  CExchangeDialog dialog;
  user.OnModal([&](driver::Driver& d) {
    EXPECT_EQ(dialog.intChanges, 0);
    d.SelectAll(IDC_INT);
    d.Type(u"123");
    EXPECT_EQ(dialog.intChanges, 3);
    dialog.m_int = 55;
    EXPECT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(d.Text(IDC_INT), u"55");
    EXPECT_EQ(dialog.intChanges, 3);
    // A refused save moves the focus within the exchange: no kill-focus reaches the handler.
    d.SelectAll(IDC_RANGE);
    d.Type(u"0");
    d.Focus(IDC_INT);
    int killFocusBefore = dialog.intKillFocus;
    user.ExpectBox(u"Please enter an integer between 1 and 255.");
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    EXPECT_TRUE(d.Focused(IDC_RANGE));
    EXPECT_EQ(dialog.intKillFocus, killFocusBefore);
    d.Cancel();
  });
  dialog.DoModal();
}

}  // namespace
