#include "dialogs/CNumParamDlg.h"

#include <string>

#include "platform/mfc/FrameworkPrompts.h"
#include "tests/dialogs/ParamPageFixture.h"

namespace params_test {
namespace {

class NumParamPage : public ParamPageFixture {
 protected:
  NumParamPage() { factory = FactoryOf<CNumParamDlg>(); }
};

TEST_F(NumParamPage, StartupValueMustParseAsTheTagsTypeAndIsStoredAsTyped) {
  const std::u16string blanks(300, u' ');
  struct Case {
    const char* what;
    int type;
    std::u16string typed;
    const char16_t* prompt;  // null: accepted
  };
  const Case cases[] = {
      {"integer with blanks around it", kInteger, u" 12 ", nullptr},
      {"integer refuses a fraction", kInteger, u"1.5", afx_prompt::kInteger},
      {"integer refuses an exponent", kInteger, u"1e3", afx_prompt::kInteger},
      {"integer refuses letters", kInteger, u"abc", afx_prompt::kInteger},
      {"real takes a fraction", kReal, u"1.5", nullptr},
      {"real takes an exponent", kReal, u"1e3", nullptr},
      {"real with blanks around it", kReal, u" 7 ", nullptr},
      {"real refuses letters", kReal, u"abc", afx_prompt::kNumber},
      {"blanks only", kInteger, u"   ", nullptr},
      {"empty", kReal, u"", nullptr},
      {"a long text is checked whole: number", kInteger, blanks + u"5", nullptr},
      {"a long text is checked whole: letters", kReal, blanks + u"x", afx_prompt::kNumber},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::u16string tag = AddTag(c.type);
    Store(tag, {.startup = u"7"});
    RunPage(tag, [&](driver::Driver& d) {
      Retype(d, IDC_STARTUP_VALUE, c.typed);
      if (c.prompt != nullptr) user.ExpectBox(c.prompt);
      d.Ok();
      if (c.prompt != nullptr) {
        EXPECT_FALSE(d.Closed());
        ExpectFocusedAndSelected(d, IDC_STARTUP_VALUE);
        d.Cancel();
      }
    });
    EXPECT_EQ(Committed(tag).startup, c.prompt != nullptr ? u"7" : c.typed);
  }
}

TEST_F(NumParamPage, LoadsTheStoredParametersAndStoresMinimumAboveMaximumAsEntered) {
  const std::u16string tag = AddTag(kReal);
  Store(tag, {.flags = 0xF, .engMin = -2.5, .engMax = 1e20, .deadBand = 0.125, .unit = u"m3/h", .startup = u"3.25"});
  RunPage(tag, [&](driver::Driver& d) {
    for (int box : {IDC_RETENTIVE_VALUE, IDC_RETENTIVE_PARAMETERS, IDC_DEAD_BAND_ENABLED, IDC_SMOOTHING}) {
      EXPECT_TRUE(d.Checked(box)) << "box " << box;
    }
    EXPECT_EQ(d.Text(IDC_ENG_MIN), u"-2.5");
    EXPECT_EQ(d.Text(IDC_ENG_MAX), u"1e+20");
    EXPECT_EQ(d.Text(IDC_DEAD_BAND), u"0.125");
    EXPECT_EQ(d.Text(IDC_UNIT), u"m3/h");
    EXPECT_EQ(d.Text(IDC_STARTUP_VALUE), u"3.25");
    Retype(d, IDC_ENG_MIN, u"10");
    Retype(d, IDC_ENG_MAX, u"0");
    Retype(d, IDC_DEAD_BAND, u"-1.5");
    d.Ok();
  });
  EXPECT_EQ(Committed(tag), (StoredParams{0xF, 10.0, 0.0, -1.5, u"m3/h", u"3.25"}));
}

TEST_F(NumParamPage, DeadBandEditFollowsItsBoxAndItsValueIsSavedEitherWay) {
  struct Case {
    const char* what;
    DWORD storedFlags;
    bool enabledAtLoad;
    const char16_t* typedBeforeClick;  // null: nothing typed
    bool click;
    const char16_t* typedAfterClick;
    bool enabledAtEnd;
    DWORD savedFlags;
    double savedDeadBand;
  };
  const Case cases[] = {
      {"unchecked, left alone", 0x0, false, nullptr, false, nullptr, false, 0x0, 1.25},
      {"unchecked, then checked and typed", 0x0, false, nullptr, true, u"4", true, 0x4, 4},
      {"checked, typed, then unchecked", 0x4, true, u"2.5", true, nullptr, false, 0x0, 2.5},
      {"checked, left alone", 0x4, true, nullptr, false, nullptr, true, 0x4, 1.25},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::u16string tag = AddTag(kReal);
    Store(tag, {.flags = c.storedFlags, .deadBand = 1.25});
    RunPage(tag, [&](driver::Driver& d) {
      EXPECT_EQ(d.Enabled(IDC_DEAD_BAND), c.enabledAtLoad);
      if (c.typedBeforeClick != nullptr) {
        Retype(d, IDC_DEAD_BAND, c.typedBeforeClick);
      }
      if (c.click) d.Click(IDC_DEAD_BAND_ENABLED);
      if (c.typedAfterClick != nullptr) {
        Retype(d, IDC_DEAD_BAND, c.typedAfterClick);
      }
      EXPECT_EQ(d.Enabled(IDC_DEAD_BAND), c.enabledAtEnd);
      d.Ok();
    });
    const StoredParams stored = Committed(tag);
    EXPECT_EQ(stored.flags, c.savedFlags);
    EXPECT_EQ(stored.deadBand, c.savedDeadBand);
  }
}

}  // namespace
}  // namespace params_test
