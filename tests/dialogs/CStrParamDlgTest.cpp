#include "dialogs/CStrParamDlg.h"

#include <string>

#include "tests/dialogs/ParamPageFixture.h"

namespace params_test {
namespace {

class StrParamPage : public ParamPageFixture {
 protected:
  StrParamPage() { factory = FactoryOf<CStrParamDlg>(); }
};

TEST_F(StrParamPage, StartupValueIsAnyTextUpTo1023CharactersStoredAsTyped) {
  std::u16string longest(1023, u'a');
  longest.front() = u' ';
  struct Case {
    const char* what;
    std::u16string typed;
    std::u16string shown;
  };
  const Case cases[] = {
      {"blanks around it", u"  on line 2  ", u"  on line 2  "},
      {"a number", u"1.5", u"1.5"},
      {"empty", u"", u""},
      {"1023 characters", longest, longest},
      {"a 1024th character is refused", longest + u"b", longest},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::u16string tag = AddTag(kString);
    Store(tag, {.startup = u"before"});
    RunPage(tag, [&](driver::Driver& d) {
      Retype(d, IDC_STARTUP_VALUE, c.typed);
      EXPECT_EQ(d.Text(IDC_STARTUP_VALUE), c.shown);
      d.Ok();
    });
    EXPECT_EQ(Committed(tag).startup, c.shown);
    RunPage(tag, [&](driver::Driver& d) {
      EXPECT_EQ(d.Text(IDC_STARTUP_VALUE), c.shown);
      d.Cancel();
    });
  }
}

}  // namespace
}  // namespace params_test
