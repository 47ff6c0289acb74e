#include "dialogs/CBoolParamDlg.h"

#include <string>

#include "platform/driver/Utf8.h"
#include "tests/dialogs/ParamPageFixture.h"

namespace params_test {
namespace {

constexpr char16_t kInvalidBoolean[] = u"Invalid boolean value !\nPossibles values: (0 or 1) .";
constexpr char16_t kOtherPage[] = u"History - Bool/String Type";

class BoolParamPage : public ParamPageFixture {
 protected:
  BoolParamPage() { factory = FactoryOf<CBoolParamDlg>(); }

  // The sheet of the tag's page with a second page to leave it for.
  void RunWithOtherPage(const std::u16string& tag, std::function<void(driver::Driver&)> script) {
    CPropertyPage other(IDD_HST_BOOL);
    const std::unique_ptr<CPropertyPage> page = factory(tag.c_str());
    RunSheet({page.get(), &other}, std::move(script));
  }
};

TEST_F(BoolParamPage, StartupValueMustBeBlankZeroOrOneAndIsStoredAsTyped) {
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
      const std::u16string tag = AddTag(kBoolean);
      Store(tag, {.startup = u"1"});
      RunWithOtherPage(tag, [&](driver::Driver& d) {
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
      });
      EXPECT_EQ(Committed(tag).startup, c.accepted ? c.typed : u"1");
    }
  }
}

TEST_F(BoolParamPage, StoredValueOtherThanZeroOrOneIsReportedAtLoadAndAtEveryAttemptToLeave) {
  const std::u16string tag = AddTag(kBoolean);
  Store(tag, {.startup = u"5"});
  user.ExpectBox(kInvalidBoolean);
  RunWithOtherPage(tag, [&](driver::Driver& d) {
    EXPECT_EQ(d.Text(IDC_STARTUP_VALUE), u"5");
    for (int attempt = 0; attempt < 2; ++attempt) {
      user.ExpectBox(kInvalidBoolean);
      d.Ok();
      EXPECT_FALSE(d.Closed());
      user.ExpectBox(kInvalidBoolean);
      d.Page(kOtherPage);
      EXPECT_EQ(d.ActivePage(), u"Parameters");
      ExpectFocusedAndSelected(d, IDC_STARTUP_VALUE);
    }
    d.Type(u"1");
    d.Ok();
  });
  EXPECT_EQ(Committed(tag).startup, u"1");
}

TEST_F(BoolParamPage, SystemTagWithAnInvalidStoredValueCanOnlyBeCancelled) {
  const std::u16string tag = SystemTag(kBoolean);
  Store(tag, {.startup = u"5"});
  user.ExpectBox(kInvalidBoolean);
  RunPage(tag, [&](driver::Driver& d) {
    EXPECT_FALSE(d.Enabled(IDC_STARTUP_VALUE));
    for (int attempt = 0; attempt < 2; ++attempt) {
      user.ExpectBox(kInvalidBoolean);
      d.Ok();
      EXPECT_FALSE(d.Closed());
    }
    d.Cancel();
  });
  EXPECT_EQ(host().TagListModifiedCount(), 0);
  EXPECT_EQ(Committed(tag).startup, u"5");
}

}  // namespace
}  // namespace params_test
