#pragma once
// A test that acts as the person in front of the plug-in's windows, against a fresh project of
// the stand-in host (standard tags: system tags Second and Date, SoftPLC tag PlcStatus).

#include <source_location>
#include <string>
#include <vector>

#include "tests/support/LoadedPlugIn.h"
#include "tests/support/PageTest.h"

namespace apptest {

using support::LoadedPlugIn;

// The tab titles of the English pages.
inline const std::u16string kParameters = u"Parameters";
inline const std::u16string kBoolAlarms = u"Alarms - Bool Type";
inline const std::u16string kNumAlarms = u"Alarms - Integer/Real Type";
inline const std::u16string kBoolHistory = u"History - Bool/String Type";
inline const std::u16string kNumHistory = u"History - Integer/Real Type";
inline const std::u16string kIntegration = u"Corvane Integration";

using Pages = std::vector<std::u16string>;

// The sheet of a numeric tag in each language.
inline const Pages kEnglishNumericPages = {kParameters, kNumAlarms, kNumHistory};
inline const Pages kGermanNumericPages = {u"Parameter", u"Alarme - Typ Ganzzahl/Gleitkomma",
                                          u"Historie - Typ Ganzzahl/Gleitkomma"};
inline const std::u16string kGermanCaption = u"Tag-Eigenschaften";

class PlugInTest : public support::PageTest {
 protected:
  // The person looks at the sheet (its caption and tabs) and cancels it.
  void ExpectSheet(const Pages& pages, const std::u16string& caption = u"Tag Properties",
                   std::source_location where = std::source_location::current()) {
    user.OnModal(
        [pages, caption](driver::Driver& d) {
          EXPECT_EQ(d.Title(), caption);
          EXPECT_EQ(d.Pages(), pages);
          d.Cancel();
        },
        where);
  }
};

}  // namespace apptest
