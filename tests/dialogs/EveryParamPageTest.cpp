// Cases alike on the three Parameters pages, run for every base type.

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "dialogs/CBoolParamDlg.h"
#include "dialogs/CNumParamDlg.h"
#include "dialogs/CStrParamDlg.h"
#include "host/Orvik.h"
#include "tests/dialogs/ParamPageFixture.h"

namespace params_test {
namespace {

struct PageKind {
  const char* name;
  int type;
  PageFactory factory;
  DWORD pageBits;             // the flag bits the page has boxes for
  std::vector<int> controls;  // disabled for a system tag
  std::u16string emptyShown;  // an empty stored startup value shows as this
  std::u16string longest;     // the longest startup value the page reads back from the host
  const char16_t* prompt;     // what OK says to it, or nullptr when it is stored as it stands
};

void PrintTo(const PageKind& kind, std::ostream* out) { *out << kind.name; }

const std::vector<int> kTextControls = {IDC_RETENTIVE_VALUE, IDC_RETENTIVE_PARAMETERS, IDC_STARTUP_VALUE, IDC_UNIT};
const std::vector<int> kNumControls = {IDC_RETENTIVE_VALUE, IDC_RETENTIVE_PARAMETERS, IDC_STARTUP_VALUE,
                                       IDC_ENG_MIN, IDC_ENG_MAX, IDC_UNIT, IDC_DEAD_BAND_ENABLED, IDC_DEAD_BAND,
                                       IDC_SMOOTHING};

class EveryParamPage : public ParamPageFixture, public testing::WithParamInterface<PageKind> {
 protected:
  EveryParamPage() { factory = GetParam().factory; }
  int Type() const { return GetParam().type; }
};

INSTANTIATE_TEST_SUITE_P(
    Pages, EveryParamPage,
    testing::Values(PageKind{"Boolean", kBoolean, FactoryOf<CBoolParamDlg>(), 0x3, kTextControls, u"0",
                             std::u16string(30, u' ') + u"1", nullptr},
                    PageKind{"Integer", kInteger, FactoryOf<CNumParamDlg>(), 0xF, kNumControls, u"0",
                             std::u16string(29, u' ') + u"42", nullptr},
                    PageKind{"Real", kReal, FactoryOf<CNumParamDlg>(), 0xF, kNumControls, u"0",
                             u"1.00000000000000000000000000005", nullptr},
                    PageKind{"String", kString, FactoryOf<CStrParamDlg>(), 0x3, kTextControls, u"",
                             std::u16string(1023, u'a') + u"z", u"Please enter no more than 1023 characters."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(EveryParamPage, EmptyStoredStartupValueShowsAndIsStoredAsShown) {
  const std::u16string tag = AddTag(Type());
  RunPage(tag, [&](driver::Driver& d) {
    EXPECT_EQ(d.Text(IDC_STARTUP_VALUE), GetParam().emptyShown);
    d.Ok();
  });
  EXPECT_EQ(Committed(tag).startup, GetParam().emptyShown);
}

// The host hands back the whole stored value (31 characters, 1024 on a String tag): it is shown
// whole, and OK stores it unchanged or refuses it, never a shortened copy.
TEST_P(EveryParamPage, LongestStoredStartupValueIsShownWholeAndNeverStoredShortened) {
  const std::u16string tag = AddTag(Type());
  const std::u16string& stored = GetParam().longest;
  const char16_t* prompt = GetParam().prompt;
  Store(tag, {.startup = stored});
  RunPage(tag, [&](driver::Driver& d) {
    EXPECT_EQ(d.Text(IDC_STARTUP_VALUE), stored);
    if (prompt != nullptr) user.ExpectBox(prompt);
    d.Ok();
    EXPECT_EQ(d.Closed(), prompt == nullptr);
    if (prompt != nullptr) d.Cancel();
  });
  EXPECT_EQ(Committed(tag).startup, stored);
}

TEST_P(EveryParamPage, WindowsCeDisablesRetentiveParametersYetKeepsIt) {
  for (const char* ce : {"1", "0"}) {
    for (const DWORD storedFlags : {0x0u, 0x2u}) {
      SCOPED_TRACE(testing::Message() << "WindowsCE=" << ce << " flags " << storedFlags);
      project.SetSetting("Project", "WindowsCE", ce);
      const std::u16string tag = AddTag(Type());
      Store(tag, {.flags = storedFlags});
      RunPage(tag, [&](driver::Driver& d) {
        EXPECT_EQ(d.Enabled(IDC_RETENTIVE_PARAMETERS), *ce == '0');
        EXPECT_EQ(d.Checked(IDC_RETENTIVE_PARAMETERS), storedFlags != 0);
        d.Click(IDC_RETENTIVE_VALUE);
        d.Ok();
      });
      EXPECT_EQ(Committed(tag).flags, storedFlags | 0x1);
    }
  }
}

TEST_P(EveryParamPage, CommitKeepsTheFlagBitsOfNoBox) {
  const DWORD pageBits = GetParam().pageBits;
  const int boxes[] = {IDC_RETENTIVE_VALUE, IDC_RETENTIVE_PARAMETERS, IDC_DEAD_BAND_ENABLED, IDC_SMOOTHING};
  for (DWORD others : {0xFFFFFFFFu & ~pageBits, 0xA5A5A5A5u & ~pageBits, 0x00000070u & ~pageBits}) {
    SCOPED_TRACE(testing::Message() << "other bits 0x" << std::hex << others);
    const std::u16string tag = AddTag(Type());
    Store(tag, {.flags = others | (0x5u & pageBits)});
    RunPage(tag, [&](driver::Driver& d) {
      for (int bit = 0; bit < 4; ++bit) {
        if ((pageBits >> bit) & 1u) d.Click(boxes[bit]);
      }
      d.Ok();
    });
    EXPECT_EQ(Committed(tag).flags, others | (~0x5u & pageBits));
  }
}

TEST_P(EveryParamPage, UnitHoldsSevenCharactersAndEndsInZero) {
  struct Case {
    const char* what;
    WCHAR field[8];
    const char16_t* typed;
    std::u16string shown;
    WCHAR stored[8];
  };
  const Case cases[] = {
      {"eight typed, seven kept", {u'k', u'g', 0, u'X', u'X', u'X', u'X', u'X'}, u"abcdefgh", u"abcdefg",
       {u'a', u'b', u'c', u'd', u'e', u'f', u'g', 0}},
      {"short unit, rest zeroed", {u'k', u'g', 0, u'X', u'X', u'X', u'X', u'X'}, u"m", u"m", {u'm', 0, 0, 0, 0, 0, 0, 0}},
      {"field without its zero", {u'A', u'B', u'C', u'D', u'E', u'F', u'G', u'H'}, nullptr, u"ABCDEFG",
       {u'A', u'B', u'C', u'D', u'E', u'F', u'G', 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::u16string tag = AddTag(Type());
    std::copy(std::begin(c.field), std::end(c.field), host().Definition(tag).param.szUnit);
    RunPage(tag, [&](driver::Driver& d) {
      if (c.typed != nullptr) Retype(d, IDC_UNIT, c.typed);
      EXPECT_EQ(d.Text(IDC_UNIT), c.shown);
      d.Ok();
    });
    const ParamRecord& param = host().Definition(tag).param;
    EXPECT_TRUE(std::equal(std::begin(c.stored), std::end(c.stored), std::begin(param.szUnit)));
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

TEST_P(EveryParamPage, CancelWritesNothing) {
  const std::u16string tag = AddTag(Type());
  const StoredParams stored{.flags = 0x1, .unit = u"kg", .startup = u"1"};
  Store(tag, stored);
  RunPage(tag, [&](driver::Driver& d) {
    d.Click(IDC_RETENTIVE_VALUE);
    d.Click(IDC_RETENTIVE_PARAMETERS);
    Retype(d, IDC_UNIT, u"t");
    Retype(d, IDC_STARTUP_VALUE, u"0");
    d.Cancel();
  });
  EXPECT_EQ(host().TagListModifiedCount(), 0);
  EXPECT_EQ(Current(tag), stored);
  EXPECT_EQ(Committed(tag), stored);
}

TEST_P(EveryParamPage, PageNeverShownWritesNothing) {
  const std::u16string tag = AddTag(Type());
  Store(tag, {.unit = u"kg", .startup = u"1"});
  // Held in memory only: a commit by the page would store it.
  Edit(tag, {.flags = 0x3, .unit = u"g", .startup = u"0"});
  CPropertyPage history(IDD_HST_BOOL);
  const std::unique_ptr<CPropertyPage> page = factory(tag.c_str());
  RunSheet({page.get(), &history}, [&](driver::Driver& d) {
    EXPECT_EQ(d.ActivePage(), u"History - Bool/String Type");
    d.Ok();
  }, 1);
  EXPECT_EQ(host().TagListModifiedCount(), 0);
  EXPECT_EQ(Committed(tag), (StoredParams{.unit = u"kg", .startup = u"1"}));
}

}  // namespace
}  // namespace params_test
