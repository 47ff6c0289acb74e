#include <gtest/gtest.h>

#include <string>

#include "host/OrvikClasses.h"
#include "platform/driver/UserTest.h"
#include "platform/mfc/CUserException.h"
#include "platform/mfc/DataExchange.h"
#include "platform/mfc/CWnd.h"
#include <windows.h>

namespace {

constexpr int kEdit = 100;

// A window with one edit, for a save-direction exchange of the text typed into it.
class Validators : public driver::UserTest {
 protected:
  void SetUp() override {
    HWND hwnd = CreateWindowExW(0, u"#32770", u"Test", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                                nullptr, nullptr);
    edit_ = CreateWindowExW(0, u"Edit", u"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 10, 10, hwnd,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEdit)), nullptr, nullptr);
    window_.Attach(hwnd);
  }
  void TearDown() override {
    DestroyWindow(window_.Detach());
    driver::UserTest::TearDown();
  }
  // Exchanges the edit's text, then validates it; true when it passed.
  bool Passes(void (*validator)(CDataExchange*, const CString&), const std::u16string& text, BOOL save = TRUE) {
    SetWindowTextW(edit_, text.c_str());
    CDataExchange dx(&window_, save);
    CString value;
    try {
      DDX_Text(&dx, kEdit, value);
      validator(&dx, value);
    } catch (CUserException*) {
      return false;
    }
    return true;
  }
  CWnd window_;
  HWND edit_ = nullptr;
};

TEST_F(Validators, TagNamesAndValuesAreAcceptedOrRefusedWithTheirOwnMessage) {
  struct Case {
    void (*validator)(CDataExchange*, const CString&);
    std::u16string text;
    bool passes;
  };
  const std::u16string longest(255, u'n');
  const Case cases[] = {
      {DDV_TagName, u"", true},
      {DDV_TagName, u"Tank", true},
      {DDV_TagName, u"_tank_2", true},
      {DDV_TagName, u"Tank[3]", true},
      {DDV_TagName, u"Pumps[2].Running", true},
      {DDV_TagName, longest, true},
      {DDV_TagName, longest + u"n", false},
      {DDV_TagName, u"2Tank", false},
      {DDV_TagName, u"Tank 1", false},
      {DDV_TagName, u" Tank", false},
      {DDV_TagName, u"@Tank", false},
      {DDV_TagName, u"Tank[]", false},
      {DDV_TagName, u"Pump1.", false},
      {DDV_TagName, u"a-b", false},
      {DDV_TagName, u"12", false},
      {DDV_VarVal, u"", true},
      {DDV_VarVal, u"Setpoint", true},
      {DDV_VarVal, u"Pump1.Speed", true},
      {DDV_VarVal, u"12", true},
      {DDV_VarVal, u"-3.5", true},
      {DDV_VarVal, u"+1e3", true},
      {DDV_VarVal, u".5", true},
      {DDV_VarVal, u"12abc", false},
      {DDV_VarVal, u" 12", false},
      {DDV_VarVal, u"1 2", false},
      {DDV_VarVal, u"--1", false},
      {DDV_VarVal, u"+-1", false},
      {DDV_VarVal, u"1e", false},
      {DDV_VarVal, u"@Tank", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
    if (!c.passes) {
      user.ExpectBox(c.validator == DDV_TagName
                         ? u"\"" + c.text +
                               u"\" is not a valid tag name.\nA tag name begins with a letter or an underscore, "
                               u"followed by letters, digits or underscores; it may name an element (Name[2]) or a "
                               u"member (Name.Member)."
                         : u"\"" + c.text + u"\" is neither a tag name nor a number.");
    }
    SetFocus(window_.m_hWnd);
    EXPECT_EQ(Passes(c.validator, c.text), c.passes);
    if (!c.passes) {
      EXPECT_EQ(GetFocus(), edit_) << "the refused field takes the focus";
    }
    EXPECT_TRUE(Passes(c.validator, c.text, FALSE)) << "loading checks nothing";
  }
}

TEST(OrvikClasses, TrimAndIntegerParse) {
  WCHAR buffer[16] = u" \t 7 x\r\n ";
  Trim(buffer);
  EXPECT_EQ(std::u16string(buffer), u"7 x");
  CString text(u"  both  ");
  Trim(text);
  EXPECT_EQ(text.GetStdString(), u"both");

  struct Case {
    const char16_t* text;
    bool whole;
    int value;
  };
  const Case cases[] = {
      {u"0", true, 0},          {u"1", true, 1},         {u"-1", true, -1},  {u"+7", true, 7},
      {u"007", true, 7},        {u"2147483647", true, 2147483647},          {u"-2147483648", true, -2147483647 - 1},
      {u"2147483648", false, 0}, {u"", false, 0},         {u"1.0", false, 0}, {u" 1", false, 0},
      {u"1 ", false, 0},        {u"--1", false, 0},      {u"+-1", false, 0}, {u"x", false, 0},
  };
  for (const auto& c : cases) {
    int value = 42;
    EXPECT_EQ(__AfxSimpleIntegerParse(c.text, value) != 0, c.whole) << std::string(c.text, c.text + 3);
    EXPECT_EQ(value, c.whole ? c.value : 42);
  }
}

}  // namespace
