#include "platform/driver/UserTest.h"
#include "tests/platform/mfc/TestDialogs.h"

namespace {

class ComboBoxTest : public driver::UserTest {};

TEST_F(ComboBoxTest, EditsItsItemsAndSelection) {
  CExchangeDialog dialog;
  user.OnModal([&](driver::Driver& d) {
    CComboBox combo;
    combo.Attach(d.Control(IDC_LIST));
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetCurSel(), 1);
    CString text;
    combo.GetLBText(2, text);
    EXPECT_EQ(text, u"€uro");
    combo.GetLBText(7, text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(combo.FindStringExact(-1, u"beta"), 1);
    EXPECT_EQ(combo.FindStringExact(-1, u"Bet"), CB_ERR);
    EXPECT_EQ(combo.InsertString(0, u"Zero"), 0);
    EXPECT_EQ(combo.AddString(u"Last"), 4);
    EXPECT_EQ(combo.SelectString(-1, u"Al"), 1);
    EXPECT_EQ(d.Selected(IDC_LIST), u"Alpha");
    EXPECT_EQ(combo.SetCurSel(4), 4);
    EXPECT_EQ(d.Items(IDC_LIST), (std::vector<std::u16string>{u"Zero", u"Alpha", u"Beta", u"€uro", u"Last"}));
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    combo.Detach();
    d.Cancel();
  });
  dialog.DoModal();
}

}  // namespace
