#include "platform/driver/UserTest.h"
#include "tests/platform/mfc/TestDialogs.h"

namespace {

class DialogTest : public driver::UserTest {};

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

}  // namespace
