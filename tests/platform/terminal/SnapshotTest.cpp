// Pictures of every dialog template as the terminal shows it, on a screen of 100 x 32 cells,
// checked against the reviewed golden files.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/mfc/AfxModuleState.h"
#include "platform/mfc/CString.h"
#include "platform/terminal/TerminalFrontEnd.h"
#include "platform/win32/TextConversion.h"
#include "platform/win32/WinBase.h"
#include "res/resource.h"
#include "tests/platform/terminal/SampleValues.h"
#include "tests/platform/terminal/Snapshot.h"
#include "tests/platform/terminal/TagDialogs.h"
#include "tests/platform/terminal/VirtualScreen.h"

namespace terminal {
namespace {

constexpr int kRows = 32;
constexpr int kCols = 100;

const Input kNextPage = Input::Key(KeyCode::PageDown, false, true);

void ExpectGolden(const VirtualScreen& screen, const std::string& name) {
  ASSERT_TRUE(screen.HasCaptured(name)) << name << " was never shown";
  const std::string difference = CompareWithGolden(screen.Captured(name), name);
  EXPECT_TRUE(difference.empty()) << difference;
}

// Fills the active page of a sheet of these pages.
std::function<void()> FillActivePage(const std::vector<UINT>& pages) {
  return [pages] {
    const auto index = SendMessageW(FrontWindow(), PSM_GETTABCONTROL, 0, 0);
    const auto active = SendMessageW(reinterpret_cast<HWND>(index), TCM_GETCURSEL, 0, 0);
    FillSampleValues(ActivePage(), pages.at(static_cast<size_t>(active)));
  };
}

TEST(TerminalSnapshot, TagDialogAndItsOpenList) {
  VirtualScreen screen(kRows, kCols);
  TerminalFrontEnd frontEnd(screen);
  screen.Do([] { FillSampleValues(FrontWindow(), IDD_GENERAL); })
      .Capture("general")
      .Then(Input::Key(KeyCode::Tab))  // the size, its text selected
      .Capture("general-size")
      .Then(Input::Key(KeyCode::Tab))
      .Then(Input::Key(KeyCode::Tab))  // the scope
      .Then(Input::Key(KeyCode::F4))
      .Then(Input::Key(KeyCode::Down))
      .Capture("general-list")
      .Then(Input::Key(KeyCode::Escape))
      .Do([] {
        EnableWindow(GetDlgItem(FrontWindow(), IDC_TYPE), FALSE);
        ShowWindow(GetDlgItem(FrontWindow(), IDC_TAG_SIZE), SW_HIDE);
      })
      .Capture("general-locked")  // the type dimmed, the size gone
      .Then(Input::Key(KeyCode::Escape));
  EXPECT_EQ(RunTagDialog(), IDCANCEL);
  EXPECT_FALSE(screen.StepsLeft());
  for (const char* name : {"general", "general-size", "general-list", "general-locked"}) ExpectGolden(screen, name);
}

TEST(TerminalSnapshot, IntegerSheetPages) {
  VirtualScreen screen(kRows, kCols);
  TerminalFrontEnd frontEnd(screen);
  const std::vector<UINT> pages = {IDD_NUM_PARAM, IDD_ALR_NUM, IDD_HST_NUM, IDD_VELTRIX_INTEGRATION};
  screen.Do(FillActivePage(pages)).Capture("num-param");
  for (const char* name : {"alr-num", "hst-num", "integration"}) screen.Then(kNextPage).Do(FillActivePage(pages)).Capture(name);
  screen.Then(Input::Key(KeyCode::Escape));
  EXPECT_EQ(RunSheet(pages), IDCANCEL);
  for (const char* name : {"num-param", "alr-num", "hst-num", "integration"}) ExpectGolden(screen, name);
}

TEST(TerminalSnapshot, BooleanAndStringSheetPages) {
  VirtualScreen screen(kRows, kCols);
  TerminalFrontEnd frontEnd(screen);
  const std::vector<UINT> boolean = {IDD_BOOL_PARAM, IDD_ALR_BOOL, IDD_HST_BOOL};
  screen.Do(FillActivePage(boolean)).Capture("bool-param");
  for (const char* name : {"alr-bool", "hst-bool"}) screen.Then(kNextPage).Do(FillActivePage(boolean)).Capture(name);
  screen.Then(Input::Key(KeyCode::Escape));
  EXPECT_EQ(RunSheet(boolean), IDCANCEL);
  const std::vector<UINT> string = {IDD_STR_PARAM, IDD_HST_BOOL};
  screen.Do(FillActivePage(string)).Capture("str-param").Then(Input::Key(KeyCode::Escape));
  EXPECT_EQ(RunSheet(string), IDCANCEL);
  for (const char* name : {"bool-param", "alr-bool", "hst-bool", "str-param"}) ExpectGolden(screen, name);
}

// The German templates: longer texts in the same places.
TEST(TerminalSnapshot, GermanDialogAndPages) {
  const HMODULE german = LoadLibraryW(platform::Utf8ToUtf16(GERMAN_MODULE_PATH).c_str());
  ASSERT_NE(german, nullptr);
  const HINSTANCE english = AfxGetResourceHandle();
  AfxSetResourceHandle(german);
  VirtualScreen screen(kRows, kCols);
  {
    TerminalFrontEnd frontEnd(screen);
    screen.Capture("de-general").Then(Input::Key(KeyCode::Escape));
    EXPECT_EQ(RunTagDialog(), IDCANCEL);
    screen.Capture("de-num-param");
    for (const char* name : {"de-alr-num", "de-hst-num", "de-integration"}) screen.Then(kNextPage).Capture(name);
    screen.Then(Input::Key(KeyCode::Escape));
    EXPECT_EQ(RunSheet({IDD_NUM_PARAM, IDD_ALR_NUM, IDD_HST_NUM, IDD_VELTRIX_INTEGRATION}), IDCANCEL);
  }
  AfxSetResourceHandle(english);
  FreeLibrary(german);
  for (const char* name : {"de-general", "de-num-param", "de-alr-num", "de-hst-num", "de-integration"}) {
    ExpectGolden(screen, name);
  }
}

TEST(TerminalSnapshot, MessageBoxOverTheSheet) {
  VirtualScreen screen(kRows, kCols);
  TerminalFrontEnd frontEnd(screen);
  int answer = 0;
  screen.Do([&answer] {
        CString text;
        text.LoadString(IDS_INVALID_BOOLEAN_VALUE);
        answer = MessageBoxW(FrontWindow(), text, u"Tag Properties", MB_OK | MB_ICONWARNING);
      })
      .Capture("message-box")
      .Then(Input::Key(KeyCode::Enter))
      .Then(Input::Key(KeyCode::Escape));
  EXPECT_EQ(RunSheet({IDD_BOOL_PARAM}), IDCANCEL);
  EXPECT_EQ(answer, IDOK);
  ExpectGolden(screen, "message-box");
}

TEST(TerminalSnapshot, TooSmallATerminalSaysSoAndRedrawsWhenEnlarged) {
  VirtualScreen screen(24, 80);
  TerminalFrontEnd frontEnd(screen);
  screen.Capture("too-small")
      .Do([&screen] { screen.Resize(kRows, kCols); })
      .Capture("enlarged")
      .Do([&screen] { screen.Resize(24, 80); })
      .Then(Input::Key(KeyCode::Escape));
  EXPECT_EQ(RunSheet({IDD_NUM_PARAM, IDD_ALR_NUM}), IDCANCEL);
  ExpectGolden(screen, "too-small");
  EXPECT_NE(ScreenText(screen.Captured("enlarged")).find("Retentive Parameters"), std::string::npos);
}

}  // namespace
}  // namespace terminal
