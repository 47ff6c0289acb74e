// Pictures of every dialog template as the terminal shows it, on a screen of 100 x 32 cells,
// checked against the reviewed golden files.

#include <gtest/gtest.h>

#include <initializer_list>
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

void ExpectGolden(const VirtualScreen& screen, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    ASSERT_TRUE(screen.HasCaptured(name)) << name << " was never shown";
    const std::string difference = CompareWithGolden(screen.Captured(name), name);
    EXPECT_TRUE(difference.empty()) << difference;
  }
}

// Runs a sheet of these pages and captures them one after the other under these names, each
// filled with sample values first unless the sheet is to be seen as it opens.
void CaptureSheet(VirtualScreen& screen, const std::vector<UINT>& pages, const std::vector<const char*>& names,
                  bool fill = true) {
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) screen.Then(Input::Key(KeyCode::PageDown, false, true));
    if (fill) screen.Do([page = pages[i]] { FillSampleValues(ActivePage(), page); });
    screen.Capture(names[i]);
  }
  screen.Then(Input::Key(KeyCode::Escape));
  EXPECT_EQ(RunSheet(pages), IDCANCEL);
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
  ExpectGolden(screen, {"general", "general-size", "general-list", "general-locked"});
}

TEST(TerminalSnapshot, SheetPagesOfEveryTagType) {
  VirtualScreen screen(kRows, kCols);
  TerminalFrontEnd frontEnd(screen);
  CaptureSheet(screen, {IDD_NUM_PARAM, IDD_ALR_NUM, IDD_HST_NUM, IDD_VELTRIX_INTEGRATION},
               {"num-param", "alr-num", "hst-num", "integration"});
  CaptureSheet(screen, {IDD_BOOL_PARAM, IDD_ALR_BOOL, IDD_HST_BOOL}, {"bool-param", "alr-bool", "hst-bool"});
  CaptureSheet(screen, {IDD_STR_PARAM, IDD_HST_BOOL}, {"str-param"});
  ExpectGolden(screen, {"num-param", "alr-num", "hst-num", "integration", "bool-param", "alr-bool", "hst-bool",
                        "str-param"});
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
    CaptureSheet(screen, {IDD_NUM_PARAM, IDD_ALR_NUM, IDD_HST_NUM, IDD_VELTRIX_INTEGRATION},
                 {"de-num-param", "de-alr-num", "de-hst-num", "de-integration"}, false);
  }
  AfxSetResourceHandle(english);
  FreeLibrary(german);
  ExpectGolden(screen, {"de-general", "de-num-param", "de-alr-num", "de-hst-num", "de-integration"});
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
  ExpectGolden(screen, {"message-box"});
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
  ExpectGolden(screen, {"too-small"});
  EXPECT_NE(ScreenText(screen.Captured("enlarged")).find("Retentive Parameters"), std::string::npos);
}

}  // namespace
}  // namespace terminal
