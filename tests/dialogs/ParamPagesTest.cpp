// The Parameters pages (CBoolParamDlg for Boolean tags, CNumParamDlg for Integer and Real tags,
// CStrParamDlg for String tags) in a "Tag Properties" sheet, worked by the scripted user against a
// project of the stand-in host. What the pages stored is read back after reopening the project.

#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dialogs/CBoolParamDlg.h"
#include "dialogs/CNumParamDlg.h"
#include "dialogs/CStrParamDlg.h"
#include "host/Orvik.h"
#include "platform/driver/Utf8.h"
#include "platform/mfc/FrameworkPrompts.h"
#include "res/resource.h"
#include "tests/support/PageTest.h"

namespace {

const char16_t* const kSystemTags[] = {u"SysFlag", u"SysCount", u"SysLevel", u"SysText"};

// The parameters of a tag as the host holds them.
struct StoredParams {
  DWORD flags = 0;
  double engMin = 0.0;
  double engMax = 0.0;
  double deadBand = 0.0;
  std::u16string unit{};
  std::u16string startup{};

  bool operator==(const StoredParams&) const = default;
};

void PrintTo(const StoredParams& params, std::ostream* out) {
  *out << "{flags 0x" << std::hex << params.flags << std::dec << ", min " << params.engMin << ", max "
       << params.engMax << ", dead band " << params.deadBand << ", unit \"" << driver::ToUtf8(params.unit)
       << "\", startup \"" << driver::ToUtf8(params.startup) << "\"}";
}

// A project with a system tag of every base type and a SoftPLC tag.
class ParamPageTest : public support::PageTest {
 protected:
  ParamPageTest() : PageTest({.standardTags = false}) {
    for (int type = kTypeBoolean; type <= kTypeString; ++type) host().AddSystemTag(kSystemTags[type], type);
    host().AddSoftPlcTag(u"PlcStatus", kTypeInteger);
  }

  static std::u16string SystemTag(int type) { return kSystemTags[type]; }
  std::u16string AddTag(int type) {
    std::u16string name = NewName(u"Tag");
    host().AddTag(name, type);
    return name;
  }

  // Writes the parameters into the tag's records in place, without committing.
  void Edit(std::u16string_view tag, const StoredParams& params) {
    ParamRecord& param = host().Definition(tag).param;
    param.dwFlags = params.flags;
    param.dEngMin = params.engMin;
    param.dEngMax = params.engMax;
    param.dDeadBand = params.deadBand;
    std::fill(std::begin(param.szUnit), std::end(param.szUnit), u'\0');
    std::copy_n(params.unit.begin(), std::min<size_t>(params.unit.size(), 7), param.szUnit);
    host().SetStartup(tag, params.startup);
  }
  void Store(std::u16string_view tag, const StoredParams& params) {
    Edit(tag, params);
    host().Commit(tag);
  }
  // The tag's parameters as held in memory now.
  StoredParams Current(std::u16string_view tag) {
    const ParamRecord& param = host().Definition(tag).param;
    const WCHAR* end = std::find(std::begin(param.szUnit), std::end(param.szUnit), u'\0');
    return {param.dwFlags, param.dEngMin,  param.dEngMax, param.dDeadBand, std::u16string(param.szUnit, end),
            host().Startup(tag)};
  }
  // The tag's parameters as committed: the project is reopened first.
  StoredParams Committed(std::u16string_view tag) {
    project.Reopen();
    return Current(tag);
  }

  // The tag's page, as the sheet's builder makes it for the tag's type.
  std::unique_ptr<CPropertyPage> PageFor(std::u16string_view tag) {
    const std::u16string name(tag);
    switch (host().Database().FindTag(tag)->type) {
      case kTypeBoolean: return std::make_unique<CBoolParamDlg>(name.c_str(), nullptr);
      case kTypeString: return std::make_unique<CStrParamDlg>(name.c_str(), nullptr);
      default: return std::make_unique<CNumParamDlg>(name.c_str(), nullptr);
    }
  }
  // Runs a sheet of the tag's page, with a second page to leave it for when asked, opened at the
  // start page.
  void RunPage(std::u16string_view tag, std::function<void(driver::Driver&)> script, bool withOtherPage = false,
               int startPage = 0) {
    const std::unique_ptr<CPropertyPage> page = PageFor(tag);
    CPropertyPage other(IDD_HST_BOOL);
    RunSheet(withOtherPage ? std::vector<CPropertyPage*>{page.get(), &other} : std::vector<CPropertyPage*>{page.get()},
             std::move(script), startPage);
  }
};

struct PageKind {
  const char* name;
  int type;
  DWORD pageBits;             // the flag bits the page has boxes for
  std::vector<int> controls;  // disabled for a system tag
};

void PrintTo(const PageKind& kind, std::ostream* out) { *out << kind.name; }

const std::vector<int> kTextControls = {IDC_RETENTIVE_VALUE, IDC_RETENTIVE_PARAMETERS, IDC_STARTUP_VALUE, IDC_UNIT};
const std::vector<int> kNumControls = {IDC_RETENTIVE_VALUE, IDC_RETENTIVE_PARAMETERS, IDC_STARTUP_VALUE,
                                       IDC_ENG_MIN, IDC_ENG_MAX, IDC_UNIT, IDC_DEAD_BAND_ENABLED, IDC_DEAD_BAND,
                                       IDC_SMOOTHING};

class EveryParamPage : public ParamPageTest, public testing::WithParamInterface<PageKind> {
 protected:
  int Type() const { return GetParam().type; }
};

INSTANTIATE_TEST_SUITE_P(
    Pages, EveryParamPage,
    testing::Values(PageKind{"Boolean", kTypeBoolean, 0x3, kTextControls},
                    PageKind{"Integer", kTypeInteger, 0xF, kNumControls},
                    PageKind{"Real", kTypeReal, 0xF, kNumControls},
                    PageKind{"String", kTypeString, 0x3, kTextControls}),
    [](const auto& info) { return std::string(info.param.name); });

// Every box toggles its own flag bit only; on a Windows CE project the Retentive Parameters box is
// disabled, and its bit kept.
TEST_P(EveryParamPage, BoxesToggleTheirBitsOnlyAndWindowsCeKeepsRetentiveParameters) {
  const DWORD pageBits = GetParam().pageBits;
  const int boxes[] = {IDC_RETENTIVE_VALUE, IDC_RETENTIVE_PARAMETERS, IDC_DEAD_BAND_ENABLED, IDC_SMOOTHING};
  for (const bool ce : {true, false}) {
    for (const DWORD others : {0xFFFFFFFFu & ~pageBits, 0xA5A5A5A5u & ~pageBits}) {
      for (const DWORD stored : {0x5u & pageBits, 0xAu & pageBits}) {
        SCOPED_TRACE(testing::Message() << "WindowsCE " << ce << std::hex << " other bits 0x" << others << " stored 0x"
                                        << stored);
        project.SetSetting("Project", "WindowsCE", ce ? "1" : "0");
        const std::u16string tag = AddTag(Type());
        Store(tag, {.flags = others | stored});
        RunPage(tag, [&](driver::Driver& d) {
          EXPECT_EQ(d.Enabled(IDC_RETENTIVE_PARAMETERS), !ce);
          EXPECT_EQ(d.Checked(IDC_RETENTIVE_PARAMETERS), (stored & 0x2) != 0);
          for (int bit = 0; bit < 4; ++bit) {
            if (((pageBits >> bit) & 1u) != 0 && d.Enabled(boxes[bit])) d.Click(boxes[bit]);
          }
          d.Ok();
        });
        const DWORD kept = ce ? 0x2u : 0u;
        EXPECT_EQ(Committed(tag).flags, others | ((stored ^ pageBits) & ~kept) | (stored & kept));
      }
    }
  }
}

// The host's unit field holds 8 characters: at most 7 are kept, and the rest, the last one
// included, is zero.
TEST_P(EveryParamPage, UnitHoldsSevenCharactersAndEndsInZero) {
  using namespace std::string_literals;
  struct Case {
    const char* what;
    std::u16string field;  // all 8 characters
    const char16_t* typed;
    std::u16string shown, stored;
  };
  const Case cases[] = {
      {"eight typed, seven kept", u"kg\0XXXXX"s, u"abcdefgh", u"abcdefg", u"abcdefg\0"s},
      {"short unit, rest zeroed", u"kg\0XXXXX"s, u"m", u"m", u"m\0\0\0\0\0\0\0"s},
      {"field without its zero", u"ABCDEFGH", nullptr, u"ABCDEFG", u"ABCDEFG\0"s},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::u16string tag = AddTag(Type());
    std::copy(c.field.begin(), c.field.end(), host().Definition(tag).param.szUnit);
    RunPage(tag, [&](driver::Driver& d) {
      if (c.typed != nullptr) Retype(d, IDC_UNIT, c.typed);
      EXPECT_EQ(d.Text(IDC_UNIT), c.shown);
      d.Ok();
    });
    EXPECT_EQ(std::u16string(host().Definition(tag).param.szUnit, 8), c.stored);
    EXPECT_EQ(Committed(tag).unit, c.shown);
    RunPage(tag, [&](driver::Driver& d) {
      EXPECT_EQ(d.Text(IDC_UNIT), c.shown);
      d.Cancel();
    });
  }
}

TEST_P(EveryParamPage, SystemTagIsReadOnlyAndWrittenBackUnchanged) {
  const std::u16string tag = SystemTag(Type());
  Store(tag, {.flags = 0x5A, .engMin = 1, .engMax = 2, .deadBand = 3, .unit = u"bar", .startup = u"0"});
  // Loaded from memory and written back: the commit makes the uncommitted values stored.
  const StoredParams held{.flags = 0x3, .engMin = -4, .engMax = 8, .deadBand = 0.5, .unit = u"psi", .startup = u"1"};
  Edit(tag, held);
  const int modifiedBefore = host().TagListModifiedCount();
  RunPage(tag, [&](driver::Driver& d) {
    for (int id : GetParam().controls) EXPECT_FALSE(d.Enabled(id)) << "control " << id;
    d.Ok();
    EXPECT_TRUE(d.Closed());
  });
  EXPECT_EQ(host().TagListModifiedCount(), modifiedBefore + 1);
  EXPECT_EQ(Current(tag), held);
  EXPECT_EQ(Committed(tag), held);
}

// Neither Cancel nor the OK of a sheet that never showed the page writes anything.
TEST_P(EveryParamPage, CancelOrAPageNeverShownWritesNothing) {
  for (const int startPage : {0, 1}) {
    SCOPED_TRACE(startPage == 0 ? "cancelled" : "never shown");
    const std::u16string tag = AddTag(Type());
    const StoredParams stored{.flags = 0x1, .unit = u"kg", .startup = u"1"};
    Store(tag, stored);
    RunPage(tag, [&](driver::Driver& d) {
      if (startPage == 1) return d.Ok();
      d.Click(IDC_RETENTIVE_VALUE);
      d.Click(IDC_RETENTIVE_PARAMETERS);
      Retype(d, IDC_UNIT, u"t");
      Retype(d, IDC_STARTUP_VALUE, u"0");
      d.Cancel();
    }, true, startPage);
    EXPECT_EQ(host().TagListModifiedCount(), 0);
    EXPECT_EQ(Current(tag), stored);
    EXPECT_EQ(Committed(tag), stored);
  }
}

// An empty stored value shows, and is stored, as the page shows it. The host hands back the whole
// stored value (31 characters, 1024 on a String tag): it is shown whole, and OK stores it unchanged
// or refuses it, never a shortened copy. A String tag takes any text up to 1023 characters; what is
// stored shows again at the next opening.
TEST_F(ParamPageTest, StartupValueIsShownWholeMustParseAsTheTagsTypeAndIsStoredNeverShortened) {
  const std::u16string blanks(300, u' ');
  std::u16string longest(1023, u'a');
  longest.front() = u' ';
  struct Case {
    const char* what;
    int type;
    std::optional<std::u16string> typed;  // none: left as loaded
    const char16_t* prompt = nullptr;     // null: accepted
    std::u16string shown = {};            // empty: as typed, or as stored
    std::u16string stored = u"7";
  };
  const Case cases[] = {
      {"integer with blanks around it", kTypeInteger, u" 12 "},
      {"integer refuses a fraction", kTypeInteger, u"1.5", afx_prompt::kInteger},
      {"integer refuses an exponent", kTypeInteger, u"1e3", afx_prompt::kInteger},
      {"integer refuses letters", kTypeInteger, u"abc", afx_prompt::kInteger},
      {"real takes a fraction", kTypeReal, u"1.5"},
      {"real takes an exponent", kTypeReal, u"1e3"},
      {"real with blanks around it", kTypeReal, u" 7 "},
      {"real refuses letters", kTypeReal, u"abc", afx_prompt::kNumber},
      {"blanks only", kTypeInteger, u"   "},
      {"empty", kTypeReal, u""},
      {"a long text is checked whole: number", kTypeInteger, blanks + u"5"},
      {"a long text is checked whole: letters", kTypeReal, blanks + u"x", afx_prompt::kNumber},
      {"string with blanks around it", kTypeString, u"  on line 2  "},
      {"string empty", kTypeString, u""},
      {"string of 1023 characters", kTypeString, longest},
      {"a 1024th character is refused", kTypeString, longest + u"b", nullptr, longest},
      {"stored empty: Boolean", kTypeBoolean, {}, nullptr, u"0", u""},
      {"stored empty: Integer", kTypeInteger, {}, nullptr, u"0", u""},
      {"stored empty: Real", kTypeReal, {}, nullptr, u"0", u""},
      {"stored empty: String", kTypeString, {}, nullptr, u"", u""},
      {"stored 31 characters: Boolean", kTypeBoolean, {}, nullptr, u"", std::u16string(30, u' ') + u"1"},
      {"stored 31 characters: Integer", kTypeInteger, {}, nullptr, u"", std::u16string(29, u' ') + u"42"},
      {"stored 31 characters: Real", kTypeReal, {}, nullptr, u"", u"1.00000000000000000000000000005"},
      {"stored 1024 characters", kTypeString, {}, u"Please enter no more than 1023 characters.", u"",
       std::u16string(1023, u'a') + u"z"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::u16string shown = !c.shown.empty() ? c.shown : c.typed ? *c.typed : c.stored;
    const std::u16string tag = AddTag(c.type);
    Store(tag, {.startup = c.stored});
    RunPage(tag, [&](driver::Driver& d) {
      if (c.typed) Retype(d, IDC_STARTUP_VALUE, *c.typed);
      EXPECT_EQ(d.Text(IDC_STARTUP_VALUE), shown);
      if (c.prompt != nullptr) user.ExpectBox(c.prompt);
      d.Ok();
      if (c.prompt != nullptr) {
        EXPECT_FALSE(d.Closed());
        ExpectFocusedAndSelected(d, IDC_STARTUP_VALUE);
        d.Cancel();
      }
    });
    const std::u16string stored = c.prompt != nullptr ? c.stored : shown;
    EXPECT_EQ(Committed(tag).startup, stored);
    if (c.type != kTypeString) continue;
    RunPage(tag, [&](driver::Driver& d) {
      EXPECT_EQ(d.Text(IDC_STARTUP_VALUE), stored);
      d.Cancel();
    });
  }
}

TEST_F(ParamPageTest, LoadsTheStoredParametersAndStoresMinimumAboveMaximumAsEntered) {
  const std::u16string tag = AddTag(kTypeReal);
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

// The dead band is typed while its edit is enabled: before the box is unchecked, or after it is
// checked.
TEST_F(ParamPageTest, DeadBandEditFollowsItsBoxAndItsValueIsSavedEitherWay) {
  struct Case {
    const char* what;
    DWORD storedFlags;
    bool click;
    const char16_t* typed;  // null: nothing typed
    double savedDeadBand;
  };
  const Case cases[] = {
      {"unchecked, left alone", 0x0, false, nullptr, 1.25},
      {"unchecked, then checked and typed", 0x0, true, u"4", 4},
      {"checked, typed, then unchecked", 0x4, true, u"2.5", 2.5},
      {"checked, left alone", 0x4, false, nullptr, 1.25},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DWORD savedFlags = c.storedFlags ^ (c.click ? 0x4u : 0u);
    const std::u16string tag = AddTag(kTypeReal);
    Store(tag, {.flags = c.storedFlags, .deadBand = 1.25});
    RunPage(tag, [&](driver::Driver& d) {
      EXPECT_EQ(d.Enabled(IDC_DEAD_BAND), c.storedFlags != 0);
      if (c.typed != nullptr && c.storedFlags != 0) Retype(d, IDC_DEAD_BAND, c.typed);
      if (c.click) d.Click(IDC_DEAD_BAND_ENABLED);
      if (c.typed != nullptr && c.storedFlags == 0) Retype(d, IDC_DEAD_BAND, c.typed);
      EXPECT_EQ(d.Enabled(IDC_DEAD_BAND), savedFlags != 0);
      d.Ok();
    });
    const StoredParams stored = Committed(tag);
    EXPECT_EQ(stored.flags, savedFlags);
    EXPECT_EQ(stored.deadBand, c.savedDeadBand);
  }
}

constexpr char16_t kInvalidBoolean[] = u"Invalid boolean value !\nPossibles values: (0 or 1) .";
constexpr char16_t kOtherPage[] = u"History - Bool/String Type";

TEST_F(ParamPageTest, StartupValueMustBeBlankZeroOrOneAndIsStoredAsTyped) {
  const std::u16string blanks(100, u' ');
  struct Case {
    std::u16string typed;
    bool accepted;
  };
  const Case cases[] = {
      {u"2", false},      {u"-1", false},         {u"abc", false},    {u"1.0", false},
      {u"0", true},       {u" 1 ", true},         {u"   ", true},     {u"", true},
      {blanks + u"1", true}, {blanks + u"2", false},
  };
  for (const bool leaveByPage : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << "\"" << driver::ToUtf8(c.typed) << "\" left by "
                                      << (leaveByPage ? "page switch" : "OK"));
      const std::u16string tag = AddTag(kTypeBoolean);
      Store(tag, {.startup = u"1"});
      RunPage(tag, [&](driver::Driver& d) {
        Retype(d, IDC_STARTUP_VALUE, c.typed);
        if (!c.accepted) user.ExpectBox(kInvalidBoolean);
        if (leaveByPage) {
          d.Page(kOtherPage);
          EXPECT_EQ(d.ActivePage(), c.accepted ? kOtherPage : u"Parameters");
        } else {
          d.Ok();
          EXPECT_EQ(d.Closed(), c.accepted);
        }
        if (!c.accepted) {
          ExpectFocusedAndSelected(d, IDC_STARTUP_VALUE);
          d.Cancel();
        } else if (leaveByPage) {
          d.Ok();
        }
      }, true);
      EXPECT_EQ(Committed(tag).startup, c.accepted ? c.typed : u"1");
    }
  }
}

// A stored value other than blank, 0 or 1 is reported at load and at every attempt to leave; a
// system tag's, whose field is disabled, can only be cancelled.
TEST_F(ParamPageTest, StoredValueOtherThanZeroOrOneIsReportedAtLoadAndAtEveryAttemptToLeave) {
  for (const bool system : {false, true}) {
    SCOPED_TRACE(system ? "system tag" : "user tag");
    const std::u16string tag = system ? SystemTag(kTypeBoolean) : AddTag(kTypeBoolean);
    Store(tag, {.startup = u"5"});
    const int modified = host().TagListModifiedCount();
    user.ExpectBox(kInvalidBoolean);
    RunPage(tag, [&](driver::Driver& d) {
      EXPECT_EQ(d.Text(IDC_STARTUP_VALUE), u"5");
      EXPECT_EQ(d.Enabled(IDC_STARTUP_VALUE), !system);
      for (int attempt = 0; attempt < 2; ++attempt) {
        user.ExpectBox(kInvalidBoolean);
        d.Ok();
        EXPECT_FALSE(d.Closed());
        if (system) continue;
        user.ExpectBox(kInvalidBoolean);
        d.Page(kOtherPage);
        EXPECT_EQ(d.ActivePage(), u"Parameters");
        ExpectFocusedAndSelected(d, IDC_STARTUP_VALUE);
      }
      if (system) return d.Cancel();
      d.Type(u"1");
      d.Ok();
    }, true);
    EXPECT_EQ(host().TagListModifiedCount(), modified + (system ? 0 : 1));
    EXPECT_EQ(Committed(tag).startup, system ? u"5" : u"1");
  }
}

}  // namespace
