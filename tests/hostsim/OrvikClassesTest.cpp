#include <gtest/gtest.h>

#include <string>
#include <vector>

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
    CString value(text.c_str());  // what loading moves into the edit
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
    std::vector<std::u16string> accepted;
    std::vector<std::u16string> refused;
    std::u16string message;  // after the quoted text
  };
  const std::u16string longest(255, u'n');
  const Case cases[] = {
      {DDV_TagName,
       {u"", u"Tank", u"_tank_2", u"Tank[3]", u"Pumps[2].Running", longest},
       {longest + u"n", u"2Tank", u"Tank 1", u" Tank", u"@Tank", u"Tank[]", u"Pump1.", u"a-b", u"12"},
       u" is not a valid tag name.\nA tag name begins with a letter or an underscore, followed by letters, digits or "
       u"underscores; it may name an element (Name[2]) or a member (Name.Member)."},
      {DDV_VarVal,
       {u"", u"Setpoint", u"Pump1.Speed", u"12", u"-3.5", u"+1e3", u".5"},
       {u"12abc", u" 12", u"1 2", u"--1", u"+-1", u"1e", u"@Tank"},
       u" is neither a tag name nor a number."},
  };
  for (const auto& c : cases) {
    for (const std::u16string& text : c.accepted) {
      EXPECT_TRUE(Passes(c.validator, text)) << std::string(text.begin(), text.end());
    }
    for (const std::u16string& text : c.refused) {
      SCOPED_TRACE(std::string(text.begin(), text.end()));
      user.ExpectBox(u"\"" + text + u"\"" + c.message);
      SetFocus(window_.m_hWnd);
      EXPECT_FALSE(Passes(c.validator, text));
      EXPECT_EQ(GetFocus(), edit_) << "the refused field takes the focus";
      EXPECT_TRUE(Passes(c.validator, text, FALSE)) << "loading checks nothing";
    }
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
