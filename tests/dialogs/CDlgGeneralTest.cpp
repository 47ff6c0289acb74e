// The tag's Properties dialog, opened through the plug-in's DBEditTagProperties and worked by a
// person through the scripted user against a project of the stand-in host. What was committed is
// read back after reopening the project.

#include <array>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "host/Orvik.h"
#include "hostsim/ForeignEditLock.h"
#include "platform/driver/Utf8.h"
#include "platform/win32/TextConversion.h"
#include "res/resource.h"
#include "tests/support/LoadedPlugIn.h"
#include "tests/support/PageTest.h"

namespace {

const std::vector<std::u16string> kBaseTypes = {u"Boolean", u"Integer", u"Real", u"String"};

// A tag's definition as the host holds it.
struct Definition {
  int type = kTypeInteger;
  int size = 0;
  std::u16string description{};
  int scope = 0;

  bool operator==(const Definition&) const = default;
};

void PrintTo(const Definition& d, std::ostream* out) {
  *out << "{type " << d.type << ", size " << d.size << ", description \"" << driver::ToUtf8(d.description)
       << "\", scope " << d.scope << "}";
}

// What the person sees of the dialog's locks: Type, Size, Description and Scope enabled, Tagname
// read-only.
using Locks = std::array<bool, 5>;

// The standard project: system tags Second and Date, SoftPLC tag PlcStatus, then user tags.
class CDlgGeneralTest : public support::PageTest {
 protected:
  void AddTag(const std::u16string& name, const Definition& d) {
    host().AddTag({.name = name, .type = d.type, .size = d.size, .description = d.description, .scope = d.scope});
  }

  // Queues the script as the person, then opens the dialog.
  bool Edit(std::u16string_view name, std::function<void(driver::Driver&)> script) {
    user.OnModal(std::move(script));
    return Open(name);
  }

  // Opens the dialog for the tag as a host does; true when it ended with OK.
  bool Open(std::u16string_view name) { return plugIn.EditTagProperties(std::u16string(name)) == 1; }

  Definition Held(std::u16string_view name) {
    const hostsim::Tag* tag = host().Database().FindTag(name);
    if (tag == nullptr) {
      ADD_FAILURE() << "no tag " << driver::ToUtf8(name);
      return {};
    }
    return {tag->type, tag->Size(), tag->description, tag->scope};
  }

  Definition Committed(std::u16string_view name) {
    project.Reopen();
    return Held(name);
  }

  static Locks LocksOf(driver::Driver& d) {
    return {d.Enabled(IDC_TYPE), d.Enabled(IDC_TAG_SIZE), d.Enabled(IDC_DESCRIPTION), d.Enabled(IDC_SCOPE),
            d.ReadOnly(IDC_TAGNAME)};
  }

  support::LoadedPlugIn plugIn;
};

// Only the name exactly as given opens the dialog.
TEST_F(CDlgGeneralTest, ShowsTheTagAndSavesWhatThePersonChanged) {
  AddTag(u"Tank", {.type = kTypeInteger, .size = 0, .description = u"Level", .scope = 0});
  for (const auto* name : {u" Tank", u"Tank ", u"Nothing", u""}) EXPECT_FALSE(Open(name));
  const bool ok = Edit(u"Tank", [&](driver::Driver& d) {
    EXPECT_EQ(d.Title(), u"Properties");
    EXPECT_EQ(d.Text(IDC_TAGNAME), u"Tank");
    EXPECT_EQ(d.Selected(IDC_TYPE), u"Integer");
    EXPECT_EQ(d.Text(IDC_TAG_SIZE), u"0");
    EXPECT_EQ(d.Text(IDC_DESCRIPTION), u"Level");
    EXPECT_EQ(d.Items(IDC_SCOPE), (std::vector<std::u16string>{u"Local", u"Server"}));
    EXPECT_EQ(d.Selected(IDC_SCOPE), u"Local");
    EXPECT_EQ(LocksOf(d), (Locks{true, true, true, true, false}));
    d.Choose(IDC_TYPE, u"Real");
    Retype(d, IDC_TAG_SIZE, u"12");
    Retype(d, IDC_DESCRIPTION, std::u16string(129, u'd'));  // the field takes no more than 128
    d.Choose(IDC_SCOPE, u"Server");
    d.Ok();
    EXPECT_EQ(d.Result(), IDOK);
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(Committed(u"Tank"), (Definition{kTypeReal, 12, std::u16string(128, u'd'), 1}));
}

TEST_F(CDlgGeneralTest, TypeListHoldsTheBaseTypesThenTheClasses) {
  // A class name longer than the list's 255 characters shows cut, so that neither the tag's own
  // class name matches its item nor does the host find the class by the item's text.
  const std::u16string longClass = u"Long" + std::u16string(296, u'x');
  const std::u16string shownLongClass = longClass.substr(0, 255);
  struct Case {
    const char* what;
    std::vector<std::u16string> classes;
    int storedType;
    std::u16string shown;
    const char16_t* chosen;  // null: left as shown
    int savedType;
  };
  const Case cases[] = {
      {"no classes: exactly the four base types", {}, kTypeString, u"String", nullptr, kTypeString},
      {"class n stands at n + 3 and saves n + 3", {u"Pump", u"Valve"}, 5, u"Valve", nullptr, 5},
      {"class name matched ignoring case", {u"PUMP"}, 4, u"PUMP", nullptr, 4},
      {"a base type chosen for a class tag", {u"Pump", u"Valve"}, 5, u"Valve", u"Boolean", kTypeBoolean},
      {"a class chosen for an Integer tag", {u"Pump", u"Valve"}, kTypeInteger, u"Integer", u"Valve", 5},
      {"unmatched class name shows Boolean and saves 0", {u"Pump", longClass}, 5, u"Boolean", nullptr, kTypeBoolean},
      {"a class the host cannot find by its text saves 4", {u"Pump", longClass}, kTypeInteger, u"Integer",
       shownLongClass.c_str(), 4},
  };
  int number = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    support::TempProject caseProject;
    for (const auto& name : c.classes) host().AddClass(name, {{u"On", kTypeBoolean, u""}});
    const std::u16string tag = u"Tag" + std::u16string(1, static_cast<char16_t>(u'A' + number++));
    AddTag(tag, {.type = c.storedType});
    std::vector<std::u16string> listed = kBaseTypes;
    for (const auto& name : c.classes) listed.push_back(name.substr(0, 255));
    EXPECT_TRUE(Edit(tag, [&](driver::Driver& d) {
      EXPECT_EQ(d.Items(IDC_TYPE), listed);
      EXPECT_EQ(d.Selected(IDC_TYPE), c.shown);
      if (c.chosen != nullptr) d.Choose(IDC_TYPE, c.chosen);
      d.Ok();
    }));
    EXPECT_EQ(Committed(tag).type, c.savedType);
  }
}

TEST_F(CDlgGeneralTest, SourceOfTheTagDecidesWhatMayChange) {
  struct Case {
    const char* what;
    std::u16string tag;
    std::vector<std::pair<std::string, std::string>> settings;
    Locks locks;
    bool closesOk;
  };
  const Locks open{true, true, true, true, false};
  const Locks locked{false, false, false, false, true};
  const Case cases[] = {
      {"user tag", u"Tank", {}, open, true},
      {"created on the platform: only the description",
       u"Tank", {{"Integration", "Enabled=1"}, {"Integration", "CreatedTags=Other, tank"}},
       {false, false, true, false, true}, true},
      {"created list while the integration is off", u"Tank",
       {{"Integration", "Enabled=0"}, {"Integration", "CreatedTags=Tank"}}, open, true},
      {"from the SCP source", u"Tank", {{"SCP", "Enabled=1"}, {"SCP", "Tags=TANK"}}, locked, true},
      {"SCP list while SCP is off", u"Tank", {{"SCP", "Enabled=0"}, {"SCP", "Tags=Tank"}}, open, true},
      {"SCP tag also created on the platform", u"Tank",
       {{"SCP", "Enabled=1"}, {"SCP", "Tags=Tank"}, {"Integration", "Enabled=1"}, {"Integration", "CreatedTags=Tank"}},
       locked, true},
      {"another tag from the SCP source", u"Tank", {{"SCP", "Enabled=1"}, {"SCP", "Tags=Pump"}}, open, true},
      {"system tag", u"Date", {}, locked, false},
      {"last system tag", u"Second", {}, locked, false},
      {"SoftPLC tag", u"PlcStatus", {}, locked, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    support::TempProject caseProject;
    AddTag(u"Tank", {.type = kTypeInteger, .size = 4, .description = u"Level", .scope = 1});
    for (const auto& [section, assignment] : c.settings) {
      const auto eq = assignment.find('=');
      caseProject.SetSetting(section, assignment.substr(0, eq), assignment.substr(eq + 1));
    }
    caseProject.Reopen();
    const Definition before = Held(c.tag);
    EXPECT_EQ(Edit(c.tag, [&](driver::Driver& d) {
      EXPECT_EQ(LocksOf(d), c.locks);
      if (c.locks[2]) Retype(d, IDC_DESCRIPTION, u"New text");
      if (c.locks[3]) d.Choose(IDC_SCOPE, u"Local");
      d.Ok();
      EXPECT_EQ(d.Result(), c.closesOk ? IDOK : IDCANCEL);
    }), c.closesOk);
    Definition expected = before;
    if (c.locks[2]) expected.description = u"New text";
    if (c.locks[3]) expected.scope = 0;
    EXPECT_EQ(Committed(c.tag), expected);
  }
}

// A refused size or description brings its prompt at every OK and saves nothing. The database-points
// limit counts the whole entered size; its box has the dialog's caption and an OK button only.
TEST_F(CDlgGeneralTest, SizeDescriptionAndDatabasePointsWithinTheirLimits) {
  const auto points = [](int max) {
    return u"Maximum number of database points was exceeded.\n" + platform::Utf8ToUtf16(std::to_string(max)) +
           u" database points are allowed.";
  };
  const std::u16string range = u"Please enter an integer between 0 and 2000.";
  struct Case {
    const char* what;
    Definition stored;
    const char16_t* typedSize;  // null: not typed
    std::u16string prompt;      // empty: accepted
    int focused = IDC_SCOPE;    // 0: not checked
    int maxArray = 2000, inUse = 0, maxPoints = 1000000;
  };
  const Case cases[] = {
      {"size above the maximum", {}, u"2001", range},
      {"negative size", {}, u"-1", range},
      {"size that is no number", {}, u"1O", u"Please enter an integer.", IDC_TAG_SIZE},
      {"no arrays: a stored size above 0 never passes", {.size = 3}, nullptr,
       u"Please enter an integer between 0 and 0.", IDC_SCOPE, 0},
      {"stored description of 129 characters", {.description = std::u16string(129, u'd')}, nullptr,
       u"Please enter no more than 128 characters.", IDC_DESCRIPTION},
      {"size at the maximum", {}, u"2000", u""},
      {"points: up to the limit", {}, u"10", u"", 0, 2000, 990, 1000},
      {"points: one past the limit", {}, u"11", points(1000), 0, 2000, 990, 1000},
      {"points: none at the limit", {}, u"0", u"", 0, 2000, 1000, 1000},
      {"points: the whole size counts", {.size = 5}, u"5", points(1000), 0, 2000, 1000, 1000},
      {"points: even when it shrinks", {.size = 5}, u"1", points(1000), 0, 2000, 1000, 1000},
      {"points: a size of 2000", {}, u"2000", u"", 0, 2000, 1000, 3000},
      {"points: a size of 2000, one past", {}, u"2000", points(3000), 0, 2000, 1001, 3000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    support::TempProject caseProject;
    caseProject.SetSetting("Limits", "MaxArray", std::to_string(c.maxArray));
    caseProject.SetSetting("Limits", "MaxTags", std::to_string(c.maxPoints));
    caseProject.SetSetting("Limits", "RealDatabaseSize", std::to_string(c.inUse));
    AddTag(u"Tank", c.stored);
    caseProject.Reopen();
    EXPECT_EQ(Edit(u"Tank", [&](driver::Driver& d) {
      EXPECT_EQ(d.Enabled(IDC_TAG_SIZE), c.maxArray != 0);
      if (c.typedSize != nullptr) Retype(d, IDC_TAG_SIZE, c.typedSize);
      if (c.prompt.empty()) return d.Ok();
      for (int attempt = 0; attempt < 2; ++attempt) {
        user.ExpectBox(c.prompt);
        d.Ok();
        EXPECT_FALSE(d.Closed());
        EXPECT_TRUE(c.focused == 0 || d.Focused(c.focused));
      }
      EXPECT_EQ(user.ShownBoxes().back().caption, u"Tag Properties");
      EXPECT_EQ(user.ShownBoxes().back().type & 0xF, static_cast<UINT>(MB_OK)) << "only an OK button";
      d.Cancel();
    }), c.prompt.empty());
    Definition expected = c.stored;
    if (c.prompt.empty()) expected.size = std::stoi(driver::ToUtf8(c.typedSize));
    EXPECT_EQ(Committed(u"Tank"), expected);
  }
}

// While another process holds the edit access, or while the Tagname field names no tag, OK does
// nothing, silently; otherwise the tag the field names (in any case) is written, and a system tag
// closes the dialog as cancelled.
TEST_F(CDlgGeneralTest, EditAccessAndTheTagnameFieldDecideWhatOkWrites) {
  AddTag(u"Tank", {.description = u"Level"});
  AddTag(u"Pump", {.type = kTypeBoolean, .description = u"Motor"});
  auto other = std::make_unique<hostsim::ForeignEditLock>(project.Folder());
  EXPECT_TRUE(Edit(u"Tank", [&](driver::Driver& d) {
    Retype(d, IDC_DESCRIPTION, u"Volume");
    Retype(d, IDC_TAG_SIZE, u"abc");  // not even validated while refused
    d.Ok();
    EXPECT_FALSE(d.Closed());
    EXPECT_EQ(Held(u"Tank"), (Definition{kTypeInteger, 0, u"Level", 0}));
    other.reset();
    Retype(d, IDC_TAG_SIZE, u"2");
    Retype(d, IDC_TAGNAME, u"Nothing");
    d.Ok();
    EXPECT_FALSE(d.Closed());
    Retype(d, IDC_TAGNAME, u"pump");
    d.Ok();
  }));
  EXPECT_FALSE(Edit(u"Tank", [&](driver::Driver& d) {
    Retype(d, IDC_TAGNAME, u"Date");
    d.Ok();
    EXPECT_EQ(d.Result(), IDCANCEL);
  }));
  EXPECT_EQ(Committed(u"Tank"), (Definition{kTypeInteger, 0, u"Level", 0}));
  EXPECT_EQ(Committed(u"Pump"), (Definition{kTypeInteger, 2, u"Volume", 0}));
  EXPECT_EQ(Committed(u"Date"), (Definition{kTypeString, 0, u"", 0}));
}

}  // namespace
