#include <BCGCBProInc.h>
#include "platform/driver/UserTest.h"
#include "tests/platform/mfc/TestDialogs.h"

namespace {

using Log = std::vector<std::string>;
const char16_t kRange[] = u"Please enter an integer between 1 and 10.";

class PropertySheetTest : public driver::UserTest {
 protected:
  Log log;
  CLogPage first{IDD_PAGE_ONE, log};
  CLogPage second{IDD_PAGE_TWO, log, IDS_RENAMED_PAGE};
  CLogPage third{IDD_PAGE_THREE, log};

  void AddPages(CPropertySheet& sheet) {
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    sheet.AddPage(&third);
  }
};

TEST_F(PropertySheetTest, FrameHasTabsPerPageOkCancelAndApplyUnlessSwitchedOffAndCancelCommitsNothing) {
  for (bool noApply : {true, false}) {
    CPropertySheet sheet(IDS_SHEET_CAPTION);
    if (noApply) sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    AddPages(sheet);
    user.OnModal([&](driver::Driver& d) {
      EXPECT_EQ(d.Title(), u"Test Sheet");
      EXPECT_EQ(d.Pages(), (std::vector<std::u16string>{u"First", u"Renamed", u"Third"}));
      EXPECT_EQ(d.ActivePage(), u"First");
      EXPECT_TRUE(d.Focused(IDC_INT));
      EXPECT_TRUE(d.Enabled(IDOK));
      EXPECT_TRUE(d.Enabled(IDCANCEL));
      EXPECT_EQ(GetDlgItem(d.Window(), ID_APPLY_NOW) != nullptr, !noApply);
      d.SelectAll(IDC_INT);
      d.Type(u"0");
      d.Cancel();
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(log, (Log{"init 101", "cancel 101"})) << "cancel commits nothing";
    EXPECT_EQ(first.m_value, 5);
    log.clear();
  }
}

TEST_F(PropertySheetTest, PageWindowIsCreatedWhenThePageIsFirstShown) {
  CBCGPPropertySheet sheet(u"Sheet", nullptr, 1);
  AddPages(sheet);
  user.OnModal([&](driver::Driver& d) {
    EXPECT_EQ(d.ActivePage(), u"Renamed");
    EXPECT_EQ(log, (Log{"init 102"}));
    EXPECT_EQ(first.m_hWnd, nullptr);
    d.Page(u"Third");
    d.Page(u"Renamed");
    d.Press(driver::Key::CtrlPageDown);
    EXPECT_EQ(d.ActivePage(), u"Third");
    d.Press(driver::Key::CtrlPageDown);
    EXPECT_EQ(d.ActivePage(), u"First");
    d.Press(driver::Key::CtrlPageUp);
    EXPECT_EQ(d.ActivePage(), u"Third");
    EXPECT_EQ(log, (Log{"init 102", "init 103", "init 101"}));
    d.Cancel();
  });
  sheet.DoModal();
}

TEST_F(PropertySheetTest, LeavingAPageValidatesItAndStaysWhenThatFails) {
  CPropertySheet sheet(u"Sheet");
  AddPages(sheet);
  user.OnModal([&](driver::Driver& d) {
    d.SelectAll(IDC_INT);
    d.Type(u"11");
    user.ExpectBox(kRange);
    d.Page(u"Third");
    EXPECT_EQ(d.ActivePage(), u"First");
    EXPECT_EQ(SendMessageW(GetDlgItem(d.Window(), AFX_IDC_TAB_CONTROL), TCM_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(d.Focused(IDC_INT));
    EXPECT_EQ(third.m_hWnd, nullptr);
    d.Type(u"9");
    d.Page(u"Third");
    EXPECT_EQ(d.ActivePage(), u"Third");
    EXPECT_TRUE(d.Focused(AFX_IDC_TAB_CONTROL));
    EXPECT_FALSE(IsWindowVisible(first.m_hWnd));
    EXPECT_EQ(first.m_value, 9);
    first.m_value = 8;
    d.Page(u"First");
    EXPECT_EQ(d.Text(IDC_INT), u"8") << "showing a page again moves its members into the controls";
    d.Cancel();
  });
  sheet.DoModal();
}

TEST_F(PropertySheetTest, OkValidatesTheActivePageThenCommitsEveryShownPageInOrder) {
  CPropertySheet sheet(u"Sheet");
  AddPages(sheet);
  user.OnModal([&](driver::Driver& d) {
    d.Page(u"Third");
    d.SelectAll(IDC_INT);
    d.Type(u"0");
    user.ExpectBox(kRange);
    d.Ok();
    EXPECT_FALSE(d.Closed());
    EXPECT_TRUE(d.Focused(IDC_INT));
    d.Type(u"3");
    d.Ok();
    EXPECT_EQ(d.Result(), IDOK);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(log, (Log{"init 101", "init 103", "ok 101", "ok 103"}));
  EXPECT_EQ(third.m_value, 3);
  EXPECT_EQ(first.m_hWnd, nullptr);
}

TEST_F(PropertySheetTest, MissingPageTemplateFailsToRun) {
  CPropertySheet sheet(u"Sheet");
  CLogPage missing(4242, log);
  sheet.AddPage(&first);
  sheet.AddPage(&missing);
  EXPECT_EQ(sheet.DoModal(), -1);
}

}  // namespace
