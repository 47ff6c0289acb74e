#include "platform/driver/UserTest.h"
#include "tests/platform/mfc/TestDialogs.h"

namespace {

class DialogTest : public driver::UserTest {};

TEST_F(DialogTest, EndsWithTheButtonOrKeyThatClosedIt) {
  struct Case {
    const char* name;
    std::function<void(driver::Driver&)> close;
    INT_PTR result;
  };
  const Case cases[] = {
      {"OK button", [](driver::Driver& d) { d.Ok(); }, IDOK},
      {"Cancel button", [](driver::Driver& d) { d.Cancel(); }, IDCANCEL},
      {"Enter in an edit", [](driver::Driver& d) { d.Focus(IDC_INT); d.Press(driver::Key::Enter); }, IDOK},
      {"Escape", [](driver::Driver& d) { d.Press(driver::Key::Escape); }, IDCANCEL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CExchangeDialog dialog;
    INT_PTR seen = 0;
    user.OnModal([&](driver::Driver& d) {
      c.close(d);
      seen = d.Result();
    });
    EXPECT_EQ(dialog.DoModal(), c.result);
    EXPECT_EQ(seen, c.result);
  }
}

TEST_F(DialogTest, PostedCancelCommandClosesItAsCancelled) {
  CExchangeDialog dialog;
  dialog.onOpen = [&] { dialog.PostMessage(WM_COMMAND, IDCANCEL, 0); };
  user.OnModal([&](driver::Driver& d) {
    d.SelectAll(IDC_INT);
    d.Type(u"8");
    d.Click(IDC_OPEN);
    EXPECT_TRUE(d.Closed());
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.m_int, 7);
}

TEST_F(DialogTest, DialogOpenedFromADialogRunsTheNextScript) {
  CExchangeDialog outer;
  CExchangeDialog inner(&outer);
  inner.m_int = 99;
  INT_PTR innerResult = 0;
  outer.onOpen = [&] { innerResult = inner.DoModal(); };
  user.OnModal([&](driver::Driver& d) {
    d.Click(IDC_OPEN);
    EXPECT_EQ(innerResult, IDOK);
    EXPECT_FALSE(d.Closed());
    d.Ok();
  });
  user.OnModal([&](driver::Driver& d) {
    EXPECT_EQ(d.Text(IDC_INT), u"99");
    RECT outerRect, innerRect;
    MoveWindow(outer.m_hWnd, 100, 50, 300, 200, FALSE);
    inner.CenterWindow();
    GetWindowRect(outer.m_hWnd, &outerRect);
    GetWindowRect(d.Window(), &innerRect);
    EXPECT_EQ(innerRect.left - outerRect.left, outerRect.right - innerRect.right);
    EXPECT_EQ(innerRect.top - outerRect.top, outerRect.bottom - innerRect.bottom);
    d.SelectAll(IDC_INT);
    d.Type(u"100");
    d.Ok();
  });
  EXPECT_EQ(outer.DoModal(), IDOK);
  EXPECT_EQ(inner.m_int, 100);
}

TEST_F(DialogTest, TheSameObjectRunsTwice) {
  CExchangeDialog dialog;
  for (const char16_t* typed : {u"1", u"2"}) {
    user.OnModal([&](driver::Driver& d) {
      d.SelectAll(IDC_INT);
      d.Type(typed);
      d.Ok();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_int, typed[0] - u'0');
    EXPECT_EQ(dialog.m_hWnd, nullptr);
  }
}

TEST_F(DialogTest, MissingTemplateFailsToRun) {
  CDialog dialog(4242);
  EXPECT_EQ(dialog.DoModal(), -1);
}

TEST_F(DialogTest, WindowObjectsFollowTheirWindows) {
  CExchangeDialog dialog;
  user.OnModal([&](driver::Driver& d) {
    EXPECT_EQ(CWnd::FromHandlePermanent(d.Window()), &dialog);
    CWnd* edit = dialog.GetDlgItem(IDC_INT);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit, CWnd::FromHandle(d.Control(IDC_INT)));
    EXPECT_EQ(edit->GetParent(), &dialog);
    EXPECT_EQ(edit->GetDlgCtrlID(), IDC_INT);
    EXPECT_EQ(dialog.GetDlgItem(4242), nullptr);
    CEdit bound;
    EXPECT_TRUE(bound.SubclassDlgItem(IDC_SHORT, &dialog));
    EXPECT_EQ(CWnd::FromHandle(d.Control(IDC_SHORT)), &bound);
    bound.SetSel(0, -1);
    bound.SetReadOnly();
    EXPECT_TRUE(d.ReadOnly(IDC_SHORT));
    bound.EnableWindow(FALSE);
    EXPECT_FALSE(d.Enabled(IDC_SHORT));
    bound.ShowWindow(SW_HIDE);
    EXPECT_FALSE(bound.IsWindowVisible());
    bound.Detach();
    EXPECT_NE(CWnd::FromHandle(d.Control(IDC_SHORT)), &bound);
    d.Cancel();
  });
  dialog.DoModal();
  EXPECT_EQ(CWnd::FromHandlePermanent(dialog.m_hWnd), nullptr);
}

}  // namespace
