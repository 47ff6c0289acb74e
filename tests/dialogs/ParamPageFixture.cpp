#include "tests/dialogs/ParamPageFixture.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "host/Orvik.h"
#include "platform/bcg/CBCGPPropertySheet.h"
#include "platform/driver/Utf8.h"
#include "res/resource.h"

namespace params_test {

namespace {

const char16_t* const kSystemTags[] = {u"SysFlag", u"SysCount", u"SysLevel", u"SysText"};

std::u16string UnitOf(const ParamRecord& param) {
  const WCHAR* end = std::find(std::begin(param.szUnit), std::end(param.szUnit), u'\0');
  return std::u16string(param.szUnit, end);
}

}  // namespace

void PrintTo(const StoredParams& params, std::ostream* out) {
  *out << "{flags 0x" << std::hex << params.flags << std::dec << ", min " << params.engMin << ", max "
       << params.engMax << ", dead band " << params.deadBand << ", unit \"" << driver::ToUtf8(params.unit)
       << "\", startup \"" << driver::ToUtf8(params.startup) << "\"}";
}

ParamPageFixture::ParamPageFixture() {
  for (int type = kBoolean; type <= kString; ++type) host().AddSystemTag(kSystemTags[type], type);
  host().AddSoftPlcTag(u"PlcStatus", kInteger);
}

std::u16string ParamPageFixture::SystemTag(int type) { return kSystemTags[type]; }

std::u16string ParamPageFixture::AddTag(int type, const std::u16string& prefix) {
  std::u16string name = prefix;
  for (char c : std::to_string(m_nextTag++)) name += static_cast<char16_t>(c);
  host().AddTag(name, type);
  return name;
}

void ParamPageFixture::Edit(std::u16string_view tag, const StoredParams& params) {
  ParamRecord& param = host().Definition(tag).param;
  param.dwFlags = params.flags;
  param.dEngMin = params.engMin;
  param.dEngMax = params.engMax;
  param.dDeadBand = params.deadBand;
  std::fill(std::begin(param.szUnit), std::end(param.szUnit), u'\0');
  std::copy_n(params.unit.begin(), std::min<size_t>(params.unit.size(), 7), param.szUnit);
  host().SetStartup(tag, params.startup);
}

void ParamPageFixture::Store(std::u16string_view tag, const StoredParams& params) {
  Edit(tag, params);
  host().Commit(tag);
}

StoredParams ParamPageFixture::Current(std::u16string_view tag) {
  const ParamRecord& param = host().Definition(tag).param;
  return {param.dwFlags, param.dEngMin, param.dEngMax, param.dDeadBand, UnitOf(param), host().Startup(tag)};
}

StoredParams ParamPageFixture::Committed(std::u16string_view tag) {
  project.Reopen();
  return Current(tag);
}

void ParamPageFixture::RunSheet(const std::vector<CPropertyPage*>& pages,
                                std::function<void(driver::Driver&)> script, int startPage) {
  CBCGPPropertySheet sheet(u"Tag Properties");
  sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
  for (CPropertyPage* page : pages) sheet.AddPage(page);
  sheet.SetActivePage(startPage);
  user.OnModal(std::move(script));
  sheet.DoModal();
}

void ParamPageFixture::RunPage(std::u16string_view tag, std::function<void(driver::Driver&)> script) {
  const std::unique_ptr<CPropertyPage> page = factory(std::u16string(tag).c_str());
  RunSheet({page.get()}, std::move(script));
}

void ParamPageFixture::Retype(driver::Driver& d, int id, std::u16string_view text) {
  d.SelectAll(id);
  if (text.empty()) {
    d.Press(driver::Key::Delete);
  } else {
    d.Type(text);
  }
}

void ParamPageFixture::ExpectFocusedAndSelected(driver::Driver& d, int id) {
  EXPECT_TRUE(d.Focused(id));
  EXPECT_EQ(d.Selection(id), std::make_pair(0, static_cast<int>(d.Text(id).size())));
}

void ParamPageFixture::CheckEmptyStoredStartupValue(int type, std::u16string_view shown) {
  const std::u16string tag = AddTag(type);
  RunPage(tag, [&](driver::Driver& d) {
    EXPECT_EQ(d.Text(IDC_STARTUP_VALUE), shown);
    d.Ok();
  });
  EXPECT_EQ(Committed(tag).startup, shown);
}

void ParamPageFixture::CheckStoredStartupValueShownWhole(int type, const std::u16string& stored,
                                                         const char16_t* prompt) {
  SCOPED_TRACE(testing::Message() << stored.size() << " characters");
  const std::u16string tag = AddTag(type);
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

void ParamPageFixture::CheckWindowsCeKeepsRetentiveParameters(int type) {
  struct Case {
    const char* ce;
    DWORD storedFlags;
  };
  const Case cases[] = {{"1", 0x0}, {"1", 0x2}, {"0", 0x0}, {"0", 0x2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("WindowsCE=") + c.ce + " flags " + std::to_string(c.storedFlags));
    project.SetSetting("Project", "WindowsCE", c.ce);
    const std::u16string tag = AddTag(type);
    Store(tag, {.flags = c.storedFlags});
    const bool ce = c.ce[0] == '1';
    RunPage(tag, [&](driver::Driver& d) {
      EXPECT_EQ(d.Enabled(IDC_RETENTIVE_PARAMETERS), !ce);
      EXPECT_EQ(d.Checked(IDC_RETENTIVE_PARAMETERS), c.storedFlags != 0);
      d.Click(IDC_RETENTIVE_VALUE);
      d.Ok();
    });
    EXPECT_EQ(Committed(tag).flags, c.storedFlags | 0x1);
  }
}

void ParamPageFixture::CheckCommitKeepsOtherFlagBits(int type, DWORD pageBits) {
  const int boxes[] = {IDC_RETENTIVE_VALUE, IDC_RETENTIVE_PARAMETERS, IDC_DEAD_BAND_ENABLED, IDC_SMOOTHING};
  for (DWORD others : {0xFFFFFFFFu & ~pageBits, 0xA5A5A5A5u & ~pageBits, 0x00000070u & ~pageBits}) {
    SCOPED_TRACE(testing::Message() << "other bits 0x" << std::hex << others);
    const std::u16string tag = AddTag(type);
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

void ParamPageFixture::CheckUnitOfSevenCharacters(int type) {
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
    const std::u16string tag = AddTag(type);
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

void ParamPageFixture::CheckSystemTagIsWrittenBackUnchanged(int type, const std::vector<int>& controls) {
  const std::u16string tag = SystemTag(type);
  Store(tag, {.flags = 0x5A, .engMin = 1, .engMax = 2, .deadBand = 3, .unit = u"bar", .startup = u"0"});
  // Loaded from memory and written back: the commit makes the uncommitted values stored.
  const StoredParams held{.flags = 0x3, .engMin = -4, .engMax = 8, .deadBand = 0.5, .unit = u"psi", .startup = u"1"};
  Edit(tag, held);
  const int modifiedBefore = host().TagListModifiedCount();
  RunPage(tag, [&](driver::Driver& d) {
    for (int id : controls) EXPECT_FALSE(d.Enabled(id)) << "control " << id;
    d.Ok();
    EXPECT_TRUE(d.Closed());
  });
  EXPECT_EQ(host().TagListModifiedCount(), modifiedBefore + 1);
  EXPECT_EQ(Current(tag), held);
  EXPECT_EQ(Committed(tag), held);
}

void ParamPageFixture::CheckCancelWritesNothing(int type) {
  const std::u16string tag = AddTag(type);
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

void ParamPageFixture::CheckPageNeverShownWritesNothing(int type) {
  const std::u16string tag = AddTag(type);
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

}  // namespace params_test
