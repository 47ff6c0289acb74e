// The terminal's keys and clicks acting on the window model, without a terminal: a person
// works the templates' dialog and pages and the tests look at focus, texts, checks, lists,
// pages and how the window closed.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/driver/WindowQueries.h"
#include "platform/terminal/TerminalFrontEnd.h"
#include "res/resource.h"
#include "tests/platform/terminal/SampleValues.h"
#include "tests/platform/terminal/TagDialogs.h"
#include "tests/platform/terminal/VirtualScreen.h"

namespace terminal {
namespace {

constexpr int kRows = 32;
constexpr int kCols = 100;

Input Key(KeyCode key) { return Input::Key(key); }
Input Shifted(KeyCode key) { return Input::Key(key, true); }
Input Ctrl(KeyCode key) { return Input::Key(key, false, true); }
Input Alt(char32_t letter) { return Input::Char(letter, true); }

// The control of the front window, or of a sheet's active page, with this id.
HWND Control(int id) {
  const HWND page = ActivePage();
  const HWND onPage = page ? GetDlgItem(page, id) : nullptr;
  return onPage ? onPage : GetDlgItem(FrontWindow(), id);
}

int FocusedId() { return GetDlgCtrlID(GetFocus()); }
bool Checked(int id) { return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
std::u16string Text(int id) { return driver::WindowText(Control(id)); }
int ActiveTab() {
  return static_cast<int>(SendMessageW(reinterpret_cast<HWND>(SendMessageW(FrontWindow(), PSM_GETTABCONTROL, 0, 0)),
                                       TCM_GETCURSEL, 0, 0));
}

class DialogKeysTest : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_FALSE(screen.StepsLeft()) << "the window closed before every step ran";
    EXPECT_TRUE(screen.NotFound().empty()) << "a click target was not on the screen";
  }

  VirtualScreen screen{kRows, kCols};
  TerminalFrontEnd frontEnd{screen};
};

TEST_F(DialogKeysTest, TabAndShiftTabFollowTheTabOrderPastDisabledAndHiddenControls) {
  std::vector<int> focus;
  const auto record = [&focus] { focus.push_back(FocusedId()); };
  screen.Do([] {
    FillSampleValues(FrontWindow(), IDD_GENERAL);
    EnableWindow(GetDlgItem(FrontWindow(), IDC_TAG_SIZE), FALSE);
    ShowWindow(GetDlgItem(FrontWindow(), IDC_DESCRIPTION), SW_HIDE);
  });
  screen.Do(record);
  for (int i = 0; i < 4; ++i) screen.Then(Key(KeyCode::Tab)).Do(record);
  for (int i = 0; i < 2; ++i) screen.Then(Shifted(KeyCode::Tab)).Do(record);
  screen.Then(Key(KeyCode::Escape));
  EXPECT_EQ(RunTagDialog(), IDCANCEL);
  EXPECT_EQ(focus, (std::vector<int>{IDC_TYPE, IDC_SCOPE, IDOK, IDCANCEL, IDC_TYPE, IDCANCEL, IDOK}));
}

// A focused edit scrolls to keep the caret in view.
TEST_F(DialogKeysTest, EditingKeysTypeMoveDeleteAndSelectInAnEdit) {
  std::vector<std::u16string> texts;
  const auto record = [&texts] { texts.push_back(Text(IDC_TAG_SIZE)); };
  screen.Do([] { FillSampleValues(FrontWindow(), IDD_GENERAL); });
  screen.Then(Key(KeyCode::Tab)).Type(U"250").Do(record);  // the whole text was selected
  screen.Then(Key(KeyCode::Left)).Then(Key(KeyCode::Left)).Then(Key(KeyCode::Backspace)).Do(record);
  screen.Then(Key(KeyCode::Delete)).Then(Key(KeyCode::End)).Type(U"7").Do(record);
  screen.Then(Key(KeyCode::Home)).Then(Shifted(KeyCode::Right)).Type(U"9").Do(record);
  screen.Then(Shifted(KeyCode::End)).Then(Key(KeyCode::Backspace)).Do(record);
  screen.Then(Key(KeyCode::Tab)).Then(Key(KeyCode::End)).Type(U" and more");
  screen.Do([] {}).Then(Key(KeyCode::Escape));
  EXPECT_EQ(RunTagDialog(), IDCANCEL);
  EXPECT_EQ(texts, (std::vector<std::u16string>{u"250", u"50", u"07", u"97", u"9"}));
  std::u32string shown;
  const CellGrid& grid = screen.Last();
  ASSERT_TRUE(grid.caret.has_value());
  for (int col = 0; col < grid.Cols(); ++col) shown += grid.At(grid.caret->row, col).ch;
  // The end of the description stands just before the caret, which is still inside the edit (on its
  // blank field), and the start has scrolled out of view.
  EXPECT_EQ(shown.substr(static_cast<size_t>(grid.caret->col) - 9, 10), U" and more_");
  EXPECT_EQ(shown.find(U"Tank"), std::u32string::npos);
}

TEST_F(DialogKeysTest, SpaceAndMnemonicsToggleMoveAndSkipToTheLabelledControl) {
  // The focus, then the checks of Retentive Value, Retentive Parameters and Dead Band.
  using Seen = std::tuple<int, bool, bool, bool>;
  std::vector<Seen> seen;
  const auto record = [&seen] {
    seen.emplace_back(FocusedId(), Checked(IDC_RETENTIVE_VALUE), Checked(IDC_RETENTIVE_PARAMETERS),
                      Checked(IDC_DEAD_BAND_ENABLED));
  };
  screen.Then(Input::Char(U' ')).Do(record);  // the first check box has the focus
  screen.Then(Alt(U'p')).Do(record);          // a unique mnemonic clicks its check box
  screen.Then(Alt(U'U')).Do(record);          // a label passes the focus on to its edit
  screen.Then(Alt(U'e')).Do(record);          // so does a group box
  screen.Then(Alt(U's')).Do(record);          // shared: the next one after the focus, not clicked
  screen.Then(Input::Char(U'd')).Do(record);  // a letter alone where the focus takes no text
  screen.Then(Alt(U'v')).Do(record);
  screen.Then(Alt(U'q')).Do(record);  // no such mnemonic: nothing happens
  screen.Then(Key(KeyCode::Escape));
  EXPECT_EQ(RunSheet({IDD_NUM_PARAM}), IDCANCEL);
  EXPECT_EQ(seen, (std::vector<Seen>{
                      {IDC_RETENTIVE_VALUE, true, false, false},
                      {IDC_RETENTIVE_PARAMETERS, true, true, false},
                      {IDC_UNIT, true, true, false},
                      {IDC_ENG_MIN, true, true, false},
                      {IDC_DEAD_BAND_ENABLED, true, true, false},
                      {IDC_DEAD_BAND_ENABLED, true, true, true},
                      {IDC_RETENTIVE_VALUE, false, true, true},
                      {IDC_RETENTIVE_VALUE, false, true, true},
                  }));
}

TEST_F(DialogKeysTest, DropDownListsTakeArrowsLettersF4AndAltDown) {
  std::vector<std::u16string> selected;
  const auto record = [&selected] { selected.push_back(Text(IDC_TYPE)); };
  bool openAfterEnter = true;
  screen.Do([] { FillSampleValues(FrontWindow(), IDD_GENERAL); });
  screen.Then(Key(KeyCode::Down)).Do(record);       // closed: the next item at once
  screen.Then(Input::Char(U's')).Do(record);        // the next item starting with the letter
  screen.Then(Key(KeyCode::F4)).Then(Key(KeyCode::Up)).Then(Key(KeyCode::Up)).Do(record);  // open: nothing yet
  screen.Then(Key(KeyCode::Enter)).Do(record);      // picks, and does not press OK
  screen.Do([&openAfterEnter] { openAfterEnter = SendMessageW(Control(IDC_TYPE), CB_GETDROPPEDSTATE, 0, 0) != 0; });
  screen.Then(Input::Key(KeyCode::Down, false, false, true)).Then(Key(KeyCode::Home)).Then(Key(KeyCode::Escape)).Do(record);
  screen.Then(Key(KeyCode::Escape));
  EXPECT_EQ(RunTagDialog(), IDCANCEL);
  EXPECT_EQ(selected, (std::vector<std::u16string>{u"Real", u"String", u"String", u"Integer", u"Integer"}));
  EXPECT_FALSE(openAfterEnter);
}

TEST_F(DialogKeysTest, EnterPressesTheDefaultOrFocusedButtonAndEscapeCancels) {
  struct Case {
    std::vector<Input> keys;
    INT_PTR result;
  };
  const std::vector<Case> cases = {
      {{Key(KeyCode::Enter)}, IDOK},
      {{Key(KeyCode::Tab), Key(KeyCode::Enter)}, IDOK},  // from an edit
      {{Shifted(KeyCode::Tab), Key(KeyCode::Enter)}, IDCANCEL},  // Cancel has the focus
      {{Shifted(KeyCode::Tab), Input::Char(U' ')}, IDCANCEL},
      {{Key(KeyCode::Escape)}, IDCANCEL},
  };
  for (const Case& each : cases) {
    for (const Input& key : each.keys) screen.Then(key);
    EXPECT_EQ(RunTagDialog(), each.result);
  }
}

TEST_F(DialogKeysTest, CtrlPageKeysSwitchPagesAndWrapAround) {
  std::vector<int> pages;
  const auto record = [&pages] { pages.push_back(ActiveTab()); };
  for (int i = 0; i < 3; ++i) screen.Then(Ctrl(KeyCode::PageDown)).Do(record);
  screen.Then(Ctrl(KeyCode::PageUp)).Do(record);
  screen.Then(Key(KeyCode::PageDown)).Do(record);  // without Ctrl it is no page key
  // The tabs have the focus after a switch: the arrows move along them, without wrapping.
  screen.Then(Key(KeyCode::Left)).Do(record).Then(Key(KeyCode::Right)).Then(Key(KeyCode::Right)).Do(record);
  screen.Then(Key(KeyCode::Escape));
  EXPECT_EQ(RunSheet({IDD_NUM_PARAM, IDD_ALR_NUM, IDD_HST_NUM}), IDCANCEL);
  EXPECT_EQ(pages, (std::vector<int>{1, 2, 0, 2, 2, 1, 2}));
}

TEST_F(DialogKeysTest, ClicksReachCheckBoxesTabsEditsListsAndButtons) {
  bool parameters = false;
  bool history = false;
  int page = -1;
  screen.ClickOn(U"Retentive Parameters").Do([&parameters] { parameters = Checked(IDC_RETENTIVE_PARAMETERS); });
  screen.ClickOn(U"History").Do([&page] { page = ActiveTab(); });
  screen.ClickOn(U"History Enabled").Do([&history] { history = Checked(IDC_HISTORY_ENABLED); });
  screen.ClickOn(U"Cancel");
  EXPECT_EQ(RunSheet({IDD_NUM_PARAM, IDD_HST_NUM}), IDCANCEL);
  EXPECT_TRUE(parameters);
  EXPECT_EQ(page, 1);
  EXPECT_TRUE(history);

  DWORD selection = 1;
  int focus = 0;
  std::u16string scope;
  screen.Do([] { FillSampleValues(FrontWindow(), IDD_GENERAL); });
  screen.ClickOn(U"level in").Do([&] {
    focus = FocusedId();
    SendMessageW(Control(IDC_DESCRIPTION), EM_GETSEL, reinterpret_cast<WPARAM>(&selection), 0);
  });
  screen.ClickOn(U"Local").ClickOn(U"Server").Do([&scope] { scope = Text(IDC_SCOPE); });
  screen.ClickOn(U"OK");
  EXPECT_EQ(RunTagDialog(), IDOK);
  EXPECT_EQ(focus, IDC_DESCRIPTION);
  EXPECT_EQ(selection, 5u);  // the caret went where the click was: before "level"
  EXPECT_EQ(scope, u"Server");
}

// A terminal that goes away answers the open box and any later one, and cancels the dialog.
TEST_F(DialogKeysTest, AMessageBoxClosesWithEnterSpaceEscapeOrItsButtonAndTheDialogStays) {
  const std::vector<Input> answers = {Key(KeyCode::Enter), Input::Char(U' '), Key(KeyCode::Escape)};
  std::vector<int> results;
  const auto box = [&results] { results.push_back(MessageBoxW(FrontWindow(), u"Stored.", u"Tag Properties", MB_OK)); };
  for (const Input& answer : answers) screen.Do(box).Then(answer);
  screen.Do(box).ClickOn(U"OK   >");
  screen.Do([&box] {
    box();
    box();  // shown after the terminal went away
  });
  EXPECT_EQ(RunTagDialog(), IDCANCEL);
  EXPECT_EQ(results, (std::vector<int>{IDOK, IDOK, IDOK, IDOK, IDOK, IDOK}));
}

}  // namespace
}  // namespace terminal
