// The pages that show one element of a tag at a time, in a property sheet, worked by the scripted
// user against a project of the stand-in host: the Alarms pages (CDlgAlrNum for Integer and Real
// tags, CDlgAlrBool for Boolean tags) and the History pages (CDlgHstNum for Integer and Real tags,
// CDlgHstBool for Boolean and String tags). What the pages wrote is read back after reopening the
// project; what the Alarms pages told the background task is read from the host's mailbox.

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/CDlgAlrBool.h"
#include "dialogs/CDlgAlrNum.h"
#include "dialogs/CDlgHstBool.h"
#include "dialogs/CDlgHstNum.h"
#include "host/Orvik.h"
#include "platform/driver/Utf8.h"
#include "res/resource.h"
#include "tests/support/PageTest.h"

namespace {

using driver::FromUtf8;
using Script = std::function<void(driver::Driver&)>;

const std::u16string kIntegerPrompt = u"Please enter an integer.";
std::u16string RangePrompt(int low, int high) {
  return FromUtf8("Please enter an integer between " + std::to_string(low) + " and " + std::to_string(high) + ".");
}

std::u16string Element(std::u16string_view tag, int index) {
  return std::u16string(tag) + u"[" + FromUtf8(std::to_string(index)) + u"]";
}

// State is what the host holds for one element, as Current reads it.
template <class State>
class ElementPageTest : public support::PageTest {
 protected:
  ElementPageTest() : PageTest({.standardTags = false}) {}

  // A tag of the page's kind, named after it.
  template <class Kind>
  std::u16string AddTag(const Kind& kind, int size = 0) {
    const std::u16string name = NewName(FromUtf8(kind.name));
    host().AddTag(name, kind.type, size);
    return name;
  }

  virtual State Current(std::u16string_view element) = 0;
  // What was committed: the project is reopened first.
  State Committed(std::u16string_view element) {
    project.Reopen();
    return Current(element);
  }
  std::vector<State> CommittedElements(std::u16string_view tag, int size) {
    project.Reopen();
    std::vector<State> all;
    for (int i = 0; i <= size; ++i) all.push_back(Current(Element(tag, i)));
    return all;
  }

  // Builds the page as the sheet's builder does, from the tag name and the element-index field of
  // the tag's reference, and runs a sheet of that one page with the script as the person. Returns
  // the messages the page posted meanwhile.
  template <class PageClass>
  std::vector<hostsim::PostedMessage> Run(std::u16string_view name, Script script) {
    const std::u16string tagName(name);
    VarRef ref{};
    DBGetVar(&ref, tagName.c_str());
    PageClass page(tagName.c_str(), ref.elementIndex, nullptr);
    const std::size_t before = host().Messages().size();
    RunSheet({&page}, std::move(script));
    return {host().Messages().begin() + static_cast<std::ptrdiff_t>(before), host().Messages().end()};
  }
};

// A row as the person sees it; 0 for a control the row does not have.
struct Row {
  DWORD code;
  int check, limit, unit, message, group, priority, selection;
};
struct Page {
  const char* name;
  int type;
  std::vector<Row> rows;
  std::vector<int> headings;
  bool numeric() const { return type != kTypeBoolean; }
};
const Page kNum{"Integer",
                kTypeInteger,
                {{1, IDC_HIHI_ENABLED, IDC_HIHI_LIMIT, 0, IDC_HIHI_MESSAGE, IDC_HIHI_GROUP, IDC_HIHI_PRIORITY, IDC_HIHI_SELECTION},
                 {2, IDC_HI_ENABLED, IDC_HI_LIMIT, 0, IDC_HI_MESSAGE, IDC_HI_GROUP, IDC_HI_PRIORITY, IDC_HI_SELECTION},
                 {4, IDC_LO_ENABLED, IDC_LO_LIMIT, 0, IDC_LO_MESSAGE, IDC_LO_GROUP, IDC_LO_PRIORITY, IDC_LO_SELECTION},
                 {8, IDC_LOLO_ENABLED, IDC_LOLO_LIMIT, 0, IDC_LOLO_MESSAGE, IDC_LOLO_GROUP, IDC_LOLO_PRIORITY, IDC_LOLO_SELECTION},
                 {16, IDC_RATE_ENABLED, IDC_RATE_LIMIT, IDC_RATE_UNIT, IDC_RATE_MESSAGE, IDC_RATE_GROUP, IDC_RATE_PRIORITY, IDC_RATE_SELECTION},
                 {32, IDC_DEVP_ENABLED, IDC_DEVP_LIMIT, 0, IDC_DEVP_MESSAGE, IDC_DEVP_GROUP, IDC_DEVP_PRIORITY, IDC_DEVP_SELECTION},
                 {64, IDC_DEVM_ENABLED, IDC_DEVM_LIMIT, 0, IDC_DEVM_MESSAGE, IDC_DEVM_GROUP, IDC_DEVM_PRIORITY, IDC_DEVM_SELECTION}},
                {IDC_HEAD_LIMIT, IDC_HEAD_MESSAGE, IDC_HEAD_GROUP, IDC_HEAD_PRIORITY, IDC_HEAD_SELECTION}};
const Page kBool{"Boolean",
                 kTypeBoolean,
                 {{4, IDC_OFF_ENABLED, 0, 0, IDC_OFF_MESSAGE, IDC_OFF_GROUP, IDC_OFF_PRIORITY, IDC_OFF_SELECTION},
                  {2, IDC_ON_ENABLED, 0, 0, IDC_ON_MESSAGE, IDC_ON_GROUP, IDC_ON_PRIORITY, IDC_ON_SELECTION},
                  {16, IDC_CHANGED_ENABLED, 0, 0, IDC_CHANGED_MESSAGE, IDC_CHANGED_GROUP, IDC_CHANGED_PRIORITY, IDC_CHANGED_SELECTION}},
                 {IDC_HEAD_BOOL_MESSAGE, IDC_HEAD_GROUP, IDC_HEAD_PRIORITY, IDC_HEAD_SELECTION}};
const Page* const kPages[] = {&kNum, &kBool};

std::vector<int> Values(const Row& row) {
  std::vector<int> ids;
  for (int id : {row.limit, row.unit, row.message, row.group, row.priority, row.selection})
    if (id != 0) ids.push_back(id);
  return ids;
}

const std::u16string kGroupPrompt = u"Please enter an alarm group of at most 4095.";

// What the host holds for one element's alarms.
struct TypeState {
  DWORD flags = 0;
  std::u16string message;
  bool heldElsewhere = false;
  std::u16string selection;
  double limit = 0;
  bool operator==(const TypeState&) const = default;
};
struct AlarmState {
  bool present = false;
  DWORD flags = 0;
  double deadBand = 0, deviationDeadBand = 0;
  std::u16string setpoint, remoteAck, onText, offText, ackText;
  std::vector<TypeState> types;
  bool operator==(const AlarmState&) const = default;
  const TypeState* Type(DWORD code) const {
    for (const TypeState& t : types)
      if (AlarmTypeRecord::TypeCode::Get(t.flags) == code) return &t;
    return nullptr;
  }
};

void PrintTo(const AlarmState& s, std::ostream* out) {
  *out << std::hex << "{flags 0x" << s.flags << std::dec << " texts "
       << driver::Quoted(s.remoteAck + u"|" + s.onText + u"|" + s.offText + u"|" + s.ackText);
  for (const TypeState& t : s.types)
    *out << " [0x" << std::hex << t.flags << std::dec << " " << driver::Quoted(t.message + u"|" + t.selection) << "]";
  *out << "}";
}

struct Alarm {
  DWORD code;
  std::u16string message;
  DWORD group = 1, priority = 10;
  double limit = 0;
};

class AlarmPageTest : public ElementPageTest<AlarmState> {
 protected:
  WORD Number(std::u16string_view name) { return host().Database().FindTag(name)->number; }

  // Gives the element these alarm types and commits it.
  void Give(std::u16string_view element, const std::vector<Alarm>& alarms) {
    hostsim::Element& e = host().ElementOf(element);
    e.AddInfo().Set<AlarmInfoRecord::AlarmsEnabled>(1);
    for (const Alarm& a : alarms) {
      AlarmTypeRecord* type = e.AddType(a.code);
      type->Set<AlarmTypeRecord::Group>(a.group);
      type->Set<AlarmTypeRecord::Priority>(a.priority);
      type->dLimit = a.limit;
      e.SetTypeMessage(a.code, a.message);
    }
    host().Commit(element);
  }

  AlarmState Current(std::u16string_view element) override {
    const AlarmInfoRecord* info = host().Record(element).pAlarmInfo;
    if (info == nullptr) return {};
    AlarmState s{true, info->dwFlags, info->dDeadBand, info->dDeviationDeadBand,
                 std::u16string(hostsim::Element::Text(info->deviationSetpoint)),
                 std::u16string(hostsim::Element::Text(info->remoteAck)), info->szOnText, info->szOffText,
                 info->szAckText, {}};
    for (DWORD i = 0; i < info->Get<AlarmInfoRecord::TypeCount>(); ++i) {
      const AlarmTypeRecord& t = info->pTypes[i];
      s.types.push_back({t.dwFlags, std::u16string(hostsim::Element::Text(t.message)), t.message.m_pszLong != nullptr,
                         t.szSelection, t.dLimit});
    }
    return s;
  }

  std::vector<hostsim::PostedMessage> RunPage(const Page& page, std::u16string_view name, Script script) {
    return page.numeric() ? Run<CDlgAlrNum>(name, std::move(script)) : Run<CDlgAlrBool>(name, std::move(script));
  }
  static hostsim::PostedMessage Announced(WORD tag, DWORD element) { return {u"BGTASK", 0x551, tag, element}; }
};

// Checking a row shows its values and the headings, and checks the alarms box; unchecking it hides
// them again.
TEST_F(AlarmPageTest, ElementWithoutAlarmsShowsTheDefaultsAndItsRowsAndOkStoresAnEmptyConfiguration) {
  for (const Page* page : kPages) {
    SCOPED_TRACE(page->name);
    const std::u16string tag = AddTag(*page);
    const auto posted = RunPage(*page, tag, [&](driver::Driver& d) {
      for (const Row& row : page->rows) {
        EXPECT_FALSE(d.Checked(row.check));
        for (int id : Values(row)) EXPECT_FALSE(d.Visible(id)) << id;
        EXPECT_EQ(d.Text(row.priority), u"0");
        EXPECT_EQ(d.Text(row.group), row.code == 16 && !page->numeric() ? u"1" : u"0");
        if (row.limit != 0) {
          EXPECT_EQ(d.Text(row.limit), u"0");
        }
      }
      for (int id : page->headings) EXPECT_FALSE(d.Visible(id)) << id;
      EXPECT_FALSE(d.Visible(IDC_ALR_ARRAY_INDEX));
      EXPECT_FALSE(d.Checked(IDC_ALARMS_ENABLED));
      EXPECT_TRUE(d.Checked(IDC_TRANSLATION_ENABLED));
      if (page->numeric()) {
        EXPECT_EQ(d.Items(IDC_RATE_UNIT), (std::vector<std::u16string>{u"1/s", u"1/min", u"1/hour"}));
        EXPECT_EQ(d.Selected(IDC_RATE_UNIT), u"1/min");
        EXPECT_EQ(d.Text(IDC_ALR_DEAD_BAND), u"0");
      }
      for (const Row& row : page->rows) {
        SCOPED_TRACE(testing::Message() << "row " << row.code);
        d.Click(row.check);
        for (const Row& other : page->rows)
          for (int id : Values(other)) EXPECT_EQ(d.Visible(id), &other == &row) << id;
        for (int id : page->headings) EXPECT_TRUE(d.Visible(id)) << id;
        EXPECT_TRUE(d.Checked(IDC_ALARMS_ENABLED));
        d.Click(row.check);
        for (int id : Values(row)) EXPECT_FALSE(d.Visible(id)) << id;
        for (int id : page->headings) EXPECT_FALSE(d.Visible(id)) << id;
        EXPECT_TRUE(d.Checked(IDC_ALARMS_ENABLED));
      }
      d.Click(IDC_ALARMS_ENABLED);
      d.Ok();
    });
    const AlarmState saved = Committed(tag);
    EXPECT_TRUE(saved.present);
    EXPECT_EQ(saved.flags, AlarmInfoRecord::TranslationEnabled::kMask);
    EXPECT_TRUE(saved.types.empty());
    EXPECT_EQ(posted, (std::vector{Announced(Number(tag), 0)}));
  }
}

// A priority outside 0 to 255 and a group above 4095 are refused, a group below 1 is stored as 1;
// texts take their length, and messages longer than 63 characters are held elsewhere.
TEST_F(AlarmPageTest, ValuesAreRefusedOrCutToTheirLimits) {
  enum Field { kPriority, kGroup, kMessage, kSelection, kOn, kOff, kAck };
  std::u16string letters;
  for (int i = 0; i < 300; ++i) letters += static_cast<char16_t>(u'a' + i % 26);
  const auto cut = [&](size_t n) { return letters.substr(0, n); };
  struct Case {
    const Page* page;
    size_t row;
    Field field;
    int id;  // 0: the row's own
    std::u16string typed;   // empty: left as shown
    std::u16string prompt;  // empty: accepted
    std::u16string stored;
  };
  const Case cases[] = {
      {&kNum, 0, kPriority, 0, u"256", RangePrompt(0, 255), u"255"},
      {&kNum, 4, kPriority, 0, u"-1", RangePrompt(0, 255), u"255"},
      {&kBool, 2, kPriority, 0, u"256", RangePrompt(0, 255), u"255"},
      {&kNum, 1, kGroup, 0, u"0", u"", u"1"},
      {&kNum, 6, kGroup, 0, u"-12", u"", u"1"},
      {&kNum, 2, kGroup, 0, u"4095", u"", u"4095"},
      {&kNum, 5, kGroup, 0, u"4096", kGroupPrompt, u"4095"},
      {&kBool, 1, kGroup, 0, u"5000", kGroupPrompt, u"4095"},
      {&kBool, 2, kGroup, 0, u"", u"", u"1"},
      {&kBool, 0, kGroup, 0, u"", u"", u"1"},
      {&kNum, 4, kMessage, 0, letters, u"", cut(255)},
      {&kNum, 5, kMessage, 0, letters, u"", cut(300)},
      {&kNum, 6, kMessage, 0, letters, u"", cut(300)},
      {&kNum, 2, kSelection, 0, letters, u"", cut(7)},
      {&kBool, 0, kMessage, 0, letters, u"", cut(255)},
      {&kBool, 2, kSelection, 0, letters, u"", cut(7)},
      {&kBool, 1, kOn, IDC_ON_TEXT, letters, u"", cut(32)},
      {&kBool, 0, kOff, IDC_OFF_TEXT, letters, u"", cut(32)},
      {&kBool, 0, kAck, IDC_ACK_TEXT, letters, u"", cut(32)},
  };
  for (const Case& c : cases) {
    const Row& row = c.page->rows[c.row];
    const int ids[] = {row.priority, row.group, row.message, row.selection};
    const int id = c.id != 0 ? c.id : ids[c.field];
    SCOPED_TRACE(testing::Message() << c.page->name << " control " << id);
    const std::u16string tag = AddTag(*c.page);
    RunPage(*c.page, tag, [&](driver::Driver& d) {
      d.Click(row.check);
      if (!c.typed.empty()) Retype(d, id, c.typed);
      if (!c.prompt.empty()) {
        user.ExpectBox(c.prompt);
        d.Ok();
        EXPECT_TRUE(d.Focused(id));
        Retype(d, id, c.stored);
      }
      if (c.field >= kMessage) {
        EXPECT_EQ(d.Text(id), c.stored);
      }
      d.Ok();
      EXPECT_TRUE(d.Closed());
    });
    const AlarmState saved = Committed(tag);
    const TypeState* type = saved.Type(row.code);
    ASSERT_NE(type, nullptr);
    const std::u16string stored[] = {FromUtf8(std::to_string(AlarmTypeRecord::Priority::Get(type->flags))),
                                     FromUtf8(std::to_string(AlarmTypeRecord::Group::Get(type->flags))),
                                     type->message, type->selection, saved.onText, saved.offText, saved.ackText};
    EXPECT_EQ(stored[c.field], c.stored);
    if (c.field == kMessage) {
      EXPECT_EQ(type->heldElsewhere, c.stored.size() > 63);
    }
  }
}

// Everything the page shows comes back unchanged: texts held elsewhere, the rate unit, the bits of
// the flags words that belong to the host, the types of codes the page has no row for, and what was
// held in memory only (the save at OK commits it), even on a system tag, whose page is read-only.
// Then unchecking every row removes every type of the page and no other.
TEST_F(AlarmPageTest, OkWithoutChangesWritesBackWhatWasStoredAndUncheckingRemovesThePagesTypes) {
  const std::u16string longText(70, u'L');
  const auto systemTag = [](const Page& page) { return FromUtf8(std::string("Sys") + page.name); };
  for (const Page* page : kPages) host().AddSystemTag(systemTag(*page), page->type);
  for (const Page* page : kPages) {
    for (const bool system : {false, true}) {
      SCOPED_TRACE(testing::Message() << page->name << (system ? " system tag" : ""));
      const std::u16string tag = system ? systemTag(*page) : AddTag(*page);
      const std::vector<DWORD> foreign = page->numeric() ? std::vector<DWORD>{128} : std::vector<DWORD>{1, 8, 32, 64};
      std::vector<Alarm> alarms;
      for (DWORD code : foreign) alarms.push_back({code, u"Foreign", 9, 99, 3.5});
      for (const Row& row : page->rows) alarms.push_back({row.code, longText + u"!", 4095, 255, -2.5});
      Give(tag, alarms);
      hostsim::Element& e = host().ElementOf(tag);
      AlarmInfoRecord& info = *e.Info();
      info.dwFlags |= 0xFFFF00FFu & ~AlarmInfoRecord::TranslationEnabled::kMask;
      info.dDeadBand = 0.125;
      info.dDeviationDeadBand = 7;
      e.SetRemoteAck(u"Ack_" + longText);
      e.SetDeviationSetpoint(page->numeric() ? u"Sp_" + longText : u"");
      for (const Row& row : page->rows) {
        e.FindType(row.code)->dwFlags |= 0xC0000300u;
        e.SetTypeSelection(row.code, u"SEL7777");
      }
      std::copy_n(u"Open", 5, info.szOnText);
      host().Commit(tag);
      host().ElementOf(tag).SetTypeMessage(page->rows[1].code, u"In memory");
      const AlarmState before = Current(tag);
      const auto posted = RunPage(*page, tag, [&](driver::Driver& d) {
        if (system) {
          for (int id : {page->rows[0].check, page->rows[0].message, IDC_ALARMS_ENABLED, IDC_REMOTE_ACK_TAG})
            EXPECT_FALSE(d.Enabled(id)) << id;
        }
        EXPECT_EQ(d.Text(page->rows[0].message), longText + u"!");
        EXPECT_EQ(d.Text(page->rows[1].message), u"In memory");
        EXPECT_EQ(d.Text(IDC_REMOTE_ACK_TAG), u"Ack_" + longText);
        if (page->numeric()) {
          EXPECT_EQ(d.Selected(IDC_RATE_UNIT), u"");
          EXPECT_EQ(d.Text(IDC_DEVIATION_SETPOINT), u"Sp_" + longText);
        } else {
          EXPECT_EQ(d.Text(IDC_ON_TEXT), u"Open");
        }
        d.Ok();
      });
      EXPECT_EQ(Committed(tag), before);
      EXPECT_EQ(posted, (std::vector{Announced(Number(tag), 0)}));
      if (system) continue;

      RunPage(*page, tag, [&](driver::Driver& d) {
        for (const Row& row : page->rows) d.Click(row.check);
        for (int id : page->headings) EXPECT_FALSE(d.Visible(id)) << id;
        EXPECT_TRUE(d.Checked(IDC_ALARMS_ENABLED));
        d.Ok();
      });
      const AlarmState saved = Committed(tag);
      EXPECT_EQ(saved.types, std::vector(before.types.begin(), before.types.begin() + foreign.size()));
      EXPECT_EQ(saved.flags, before.flags - (page->rows.size() << 11));
    }
  }
}

// An array tag whose elements 1, 3 and 12 have one alarm each on the page's second row, its
// message naming the element.
class AlarmIndexTest : public AlarmPageTest {
 protected:
  std::u16string AddArray(const Page& page, int size) {
    const std::u16string tag = AddTag(page, size);
    for (int i : {1, 3, 12})
      if (i <= size) Give(Element(tag, i), {{page.rows[1].code, u"Element " + FromUtf8(std::to_string(i))}});
    return tag;
  }
};

TEST_F(AlarmIndexTest, TwoDigitIndexTypedDigitByDigitSavesAndLoadsTwice) {
  for (const Page* page : kPages) {
    SCOPED_TRACE(page->name);
    const std::u16string tag = AddArray(*page, 20);
    const int message = page->rows[1].message;
    const std::vector<AlarmState> before = CommittedElements(tag, 20);
    const auto posted = RunPage(*page, Element(tag, 3), [&](driver::Driver& d) {
      EXPECT_EQ(d.Text(message), u"Element 3");
      Retype(d, message, u"Changed 3");
      d.SelectAll(IDC_ALR_ARRAY_INDEX);
      d.Type(u"1");
      EXPECT_EQ(d.Text(message), u"Element 1");
      d.Type(u"2");
      EXPECT_EQ(d.Text(IDC_ALR_ARRAY_INDEX), u"12");
      EXPECT_EQ(d.Text(message), u"Element 12");
      d.Cancel();
    });
    EXPECT_EQ(posted, (std::vector{Announced(Number(tag), 3), Announced(Number(tag), 1)}));
    std::vector<AlarmState> expected = before;
    expected[3].types[0].message = u"Changed 3";
    // Element 1 is written back as it was shown.
    EXPECT_EQ(CommittedElements(tag, 20), expected);
  }
}

// A refused index is still taken into the page's element index, so the next accepted change writes
// nothing for the element shown before (a negative index counts as one above the maximum). A
// cleared index does nothing; blanks are refused before the index is taken.
TEST_F(AlarmIndexTest, RefusedOrClearedIndexWritesNothing) {
  struct Case {
    const char* what;
    bool cleared;  // else the index is focused, the caret after it
    bool home;     // the caret is moved before the index
    const char16_t* typed;
    std::u16string prompt;
    bool dropsTheShownElement;
  };
  const Case cases[] = {
      {"above the maximum", false, false, u"1", RangePrompt(0, 10), true},
      {"negative", false, true, u"-", RangePrompt(0, 10), true},
      {"cleared, then blank", true, false, u" ", kIntegerPrompt, false},
  };
  for (const Page* page : kPages) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << page->name << " " << c.what);
      const std::u16string tag = AddArray(*page, 10);
      const std::vector<AlarmState> before = CommittedElements(tag, 10);
      const auto posted = RunPage(*page, Element(tag, 1), [&](driver::Driver& d) {
        Retype(d, page->rows[1].message, u"Lost");
        if (c.cleared) Retype(d, IDC_ALR_ARRAY_INDEX, u"");
        if (!c.cleared) d.Focus(IDC_ALR_ARRAY_INDEX);
        if (c.home) d.Press(driver::Key::Home);
        user.ExpectBox(c.prompt);
        d.Type(c.typed);
        EXPECT_TRUE(d.Focused(IDC_ALR_ARRAY_INDEX));
        EXPECT_EQ(d.Text(page->rows[1].message), u"Lost");
        if (c.dropsTheShownElement) {
          d.Type(u"3");
          EXPECT_EQ(d.Text(page->rows[1].message), u"Element 3");
        }
        d.Cancel();
      });
      EXPECT_TRUE(posted.empty());
      EXPECT_EQ(CommittedElements(tag, 10), before);
    }
  }
}

// The display texts are not reset by a load: an element without alarms gets those shown before.
TEST_F(AlarmIndexTest, BooleanPageSavesOnBeforeOffAndCarriesItsTextsToTheNextElement) {
  const std::u16string tag = AddTag(kBool, 2);
  std::copy_n(u"Open", 5, host().ElementOf(Element(tag, 1)).AddInfo().szOnText);
  std::copy_n(u"Seen", 5, host().ElementOf(Element(tag, 1)).AddInfo().szAckText);
  host().Commit(tag);
  RunPage(kBool, Element(tag, 1), [&](driver::Driver& d) {
    d.Click(IDC_OFF_ENABLED);
    d.Click(IDC_ON_ENABLED);
    Retype(d, IDC_OFF_TEXT, u"Shut");
    Retype(d, IDC_ALR_ARRAY_INDEX, u"2");
    EXPECT_FALSE(d.Checked(IDC_OFF_ENABLED));
    EXPECT_EQ(d.Text(IDC_ON_TEXT), u"Open");
    d.Ok();
  });
  const std::vector<AlarmState> saved = CommittedElements(tag, 2);
  ASSERT_EQ(saved[1].types.size(), 2u);
  EXPECT_EQ(AlarmTypeRecord::TypeCode::Get(saved[1].types[0].flags), 2u);
  EXPECT_EQ(AlarmTypeRecord::TypeCode::Get(saved[1].types[1].flags), 4u);
  for (const AlarmState& s : {saved[1], saved[2]}) {
    EXPECT_EQ(s.onText + u"|" + s.offText + u"|" + s.ackText, u"Open|Shut|Seen");
  }
}

struct Kind {
  const char* name;
  int type;
  // The numeric page, with the log dead band.
  bool numeric;
};
const Kind kAllKinds[] = {{"Integer", kTypeInteger, true}, {"Real", kTypeReal, true}, {"Boolean", kTypeBoolean, false},
                          {"String", kTypeString, false}};
// One tag type per page.
const Kind kHistoryPages[] = {{"Integer", kTypeInteger, true}, {"Boolean", kTypeBoolean, false}};

// What an element record holds for the History pages.
struct History {
  DWORD flags = 0;
  double deadBand = 0.0;

  bool operator==(const History&) const = default;
  bool Enabled() const { return VarRecord::HistoryEnabled::Get(flags) != 0; }
  DWORD Group() const { return VarRecord::HistoryGroup::Get(flags); }
};

void PrintTo(const History& h, std::ostream* out) {
  *out << "{flags 0x" << std::hex << h.flags << std::dec << " (enabled " << h.Enabled() << ", group " << h.Group()
       << "), dead band " << h.deadBand << "}";
}

class HistoryPageTest : public ElementPageTest<History> {
 protected:
  HistoryPageTest() {
    host().AddSystemTag(u"SysCount", kTypeInteger);
    host().AddSystemTag(u"SysText", kTypeString);
  }

  // Sets the history fields of the element's record in place; the other bits keep their values.
  void Edit(std::u16string_view element, bool enabled, DWORD group, double deadBand) {
    VarRecord& record = host().Record(element);
    record.Set<VarRecord::HistoryEnabled>(enabled ? 1 : 0);
    record.Set<VarRecord::HistoryGroup>(group);
    record.dLogDeadBand = deadBand;
  }
  void Store(std::u16string_view element, bool enabled, DWORD group, double deadBand) {
    Edit(element, enabled, group, deadBand);
    host().Commit(element);
  }

  History Current(std::u16string_view element) override {
    const VarRecord& record = host().Record(element);
    return {record.dwFlags, record.dLogDeadBand};
  }

  void RunPage(const Kind& kind, std::u16string_view name, Script script) {
    kind.numeric ? Run<CDlgHstNum>(name, std::move(script)) : Run<CDlgHstBool>(name, std::move(script));
  }

  // An array tag whose element i holds group 10 + i, history enabled on odd elements and dead band
  // i / 4, all committed.
  std::u16string AddArray(const Kind& kind, int size) {
    const std::u16string tag = AddTag(kind, size);
    for (int i = 0; i <= size; ++i) Edit(size != 0 ? Element(tag, i) : tag, i % 2 == 1, 10 + i, i / 4.0);
    host().Commit(tag);
    return tag;
  }
};

// A scalar tag hides the array index; an array tag's page opens at the element of its reference.
// OK saves the element shown.
TEST_F(HistoryPageTest, PageOpensAtTheElementOfItsReferenceAndSavesIt) {
  struct Case {
    int size;
    const char16_t* suffix;
    int element;
    const char16_t* deadBand;
  };
  const Case cases[] = {{0, u"", 0, u"0"}, {10, u"", 0, u"0"}, {10, u"[3]", 3, u"0.75"}, {10, u"[10]", 10, u"2.5"}};
  for (const Kind& kind : kAllKinds) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << kind.name << " size " << c.size << " element " << c.element);
      const std::u16string tag = AddArray(kind, c.size);
      RunPage(kind, tag + c.suffix, [&](driver::Driver& d) {
        EXPECT_EQ(d.Visible(IDC_HST_ARRAY_INDEX), c.size != 0);
        EXPECT_EQ(d.Visible(IDC_ARRAY_INDEX_LABEL), c.size != 0);
        EXPECT_EQ(d.Text(IDC_HST_ARRAY_INDEX), FromUtf8(std::to_string(c.element)));
        EXPECT_EQ(d.Checked(IDC_HISTORY_ENABLED), c.element % 2 == 1);
        EXPECT_EQ(d.Text(IDC_HISTORY_GROUP), FromUtf8(std::to_string(10 + c.element)));
        if (kind.numeric) {
          EXPECT_EQ(d.Text(IDC_LOG_DEAD_BAND), c.deadBand);
          Retype(d, IDC_LOG_DEAD_BAND, u"4.5");
        }
        d.Click(IDC_HISTORY_ENABLED);
        Retype(d, IDC_HISTORY_GROUP, u"9");
        d.Ok();
        EXPECT_TRUE(d.Closed());
      });
      const History saved = Committed(tag + c.suffix);
      EXPECT_EQ(saved.Enabled(), c.element % 2 == 0);
      EXPECT_EQ(saved.Group(), 9u);
      // The Boolean and String page never touches the dead band.
      EXPECT_EQ(saved.deadBand, kind.numeric ? 4.5 : c.element / 4.0);
    }
  }
}

// Each new index writes the element shown at once and loads the new one, even on the way through
// the first digit of a two-digit index; Cancel keeps what was written.
TEST_F(HistoryPageTest, NewIndexWritesTheShownElementAtOnceAndCancelKeepsIt) {
  for (const Kind& kind : kHistoryPages) {
    SCOPED_TRACE(kind.name);
    const std::u16string tag = AddArray(kind, 20);
    // A group of 0 on element 1 shows as 1, and leaving the element writes the 1.
    Store(Element(tag, 1), true, 0, 0.25);
    const History twelfth = Current(Element(tag, 12));
    RunPage(kind, Element(tag, 3), [&](driver::Driver& d) {
      d.Click(IDC_HISTORY_ENABLED);
      Retype(d, IDC_HISTORY_GROUP, u"7");
      if (kind.numeric) Retype(d, IDC_LOG_DEAD_BAND, u"4.5");
      d.SelectAll(IDC_HST_ARRAY_INDEX);
      d.Type(u"1");
      EXPECT_TRUE(d.Checked(IDC_HISTORY_ENABLED));
      EXPECT_EQ(d.Text(IDC_HISTORY_GROUP), u"1");
      d.Type(u"2");
      EXPECT_EQ(d.Text(IDC_HST_ARRAY_INDEX), u"12");
      EXPECT_FALSE(d.Checked(IDC_HISTORY_ENABLED));
      EXPECT_EQ(d.Text(IDC_HISTORY_GROUP), u"22");
      if (kind.numeric) {
        EXPECT_EQ(d.Text(IDC_LOG_DEAD_BAND), u"3");
      }
      d.Cancel();
    });
    const History third = Committed(Element(tag, 3));
    EXPECT_FALSE(third.Enabled());
    EXPECT_EQ(third.Group(), 7u);
    EXPECT_EQ(third.deadBand, kind.numeric ? 4.5 : 0.75);
    EXPECT_EQ(Current(Element(tag, 1)).Group(), 1u);
    EXPECT_EQ(Current(Element(tag, 12)), twelfth);
  }
}

// An index above the array size is refused, yet it is the index the page holds from then on: the
// next change writes nothing for the element shown before. A cleared index does nothing, a blank
// is refused.
TEST_F(HistoryPageTest, RefusedOrClearedIndexWritesNoElement) {
  const Script scripts[] = {
      [&](driver::Driver& d) {
        d.Focus(IDC_HST_ARRAY_INDEX);
        user.ExpectBox(RangePrompt(0, 10));
        d.Type(u"1");
        ExpectFocusedAndSelected(d, IDC_HST_ARRAY_INDEX);
        EXPECT_EQ(d.Text(IDC_HST_ARRAY_INDEX), u"11");
        EXPECT_EQ(d.Text(IDC_HISTORY_GROUP), u"7");
        d.Type(u"5");
        EXPECT_EQ(d.Text(IDC_HISTORY_GROUP), u"15");
      },
      [&](driver::Driver& d) {
        Retype(d, IDC_HST_ARRAY_INDEX, u"");
        EXPECT_EQ(d.Text(IDC_HISTORY_GROUP), u"7");
        user.ExpectBox(kIntegerPrompt);
        d.Type(u" ");
        ExpectFocusedAndSelected(d, IDC_HST_ARRAY_INDEX);
      },
  };
  for (const Kind& kind : kHistoryPages) {
    for (const auto& script : scripts) {
      SCOPED_TRACE(kind.name);
      const std::u16string tag = AddArray(kind, 10);
      const std::vector<History> before = CommittedElements(tag, 10);
      RunPage(kind, Element(tag, 1), [&](driver::Driver& d) {
        Retype(d, IDC_HISTORY_GROUP, u"7");
        script(d);
        d.Cancel();
      });
      EXPECT_EQ(CommittedElements(tag, 10), before);
    }
  }
}

// A stored group of 0 shows as 1. The save keeps the bits outside the history fields: every group
// bit is set on the way in, and every one but the lowest cleared on the way out.
TEST_F(HistoryPageTest, GroupMustLieBetweenOneAnd255AndTheSaveKeepsTheOtherBits) {
  struct Case {
    DWORD others;
    bool enabled;
    DWORD stored;
    const char16_t* typed;  // null: the stored group is kept
    std::u16string prompt;  // empty: OK is accepted at once
    const char16_t* fix;
    DWORD saved;
  };
  const Case cases[] = {
      {0, true, 0, nullptr, u"", nullptr, 1},
      {0, true, 5, u"0", RangePrompt(1, 255), u"6", 6},
      {0, false, 5, u"256", RangePrompt(1, 255), u"255", 255},
      {0, true, 300, nullptr, RangePrompt(1, 255), u"255", 255},
      {0, true, 5, u"", kIntegerPrompt, u"12", 12},
      {0xFFFC001C, false, 3, u"200", u"", nullptr, 200},
      {0xA5A4001C & 0xFFFC001C, true, 4095, u"1", u"", nullptr, 1},
      {0, true, 4095, u"255", u"", nullptr, 255},
  };
  for (const Kind& kind : kHistoryPages) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << kind.name << " stored " << c.stored << " typed "
                                      << (c.typed ? driver::ToUtf8(c.typed) : "nothing") << " other bits 0x"
                                      << std::hex << c.others);
      const std::u16string tag = AddTag(kind);
      const DWORD others = c.others | static_cast<DWORD>(kind.type);
      host().Record(tag).dwFlags = others;
      Store(tag, c.enabled, c.stored, 0.0);
      RunPage(kind, tag, [&](driver::Driver& d) {
        EXPECT_EQ(d.Text(IDC_HISTORY_GROUP), FromUtf8(std::to_string(std::max<DWORD>(c.stored, 1))));
        d.Click(IDC_HISTORY_ENABLED);
        if (c.typed != nullptr) Retype(d, IDC_HISTORY_GROUP, c.typed);
        if (!c.prompt.empty()) {
          user.ExpectBox(c.prompt);
          d.Ok();
          EXPECT_FALSE(d.Closed());
          ExpectFocusedAndSelected(d, IDC_HISTORY_GROUP);
          d.Type(c.fix);
        }
        d.Ok();
        EXPECT_TRUE(d.Closed());
      });
      EXPECT_EQ(Committed(tag).flags, others | (c.enabled ? 0u : 1u << 5) | (c.saved << 6));
    }
  }
}

TEST_F(HistoryPageTest, SystemTagIsReadOnlyAndWrittenBackAtOk) {
  for (const Kind& kind : kHistoryPages) {
    SCOPED_TRACE(kind.name);
    const char16_t* tag = kind.numeric ? u"SysCount" : u"SysText";
    Store(tag, false, 2, 1.0);
    // Held in memory only: writing it back commits it, with the group raised to 1.
    Edit(tag, true, 0, 3.5);
    const int modifiedBefore = host().TagListModifiedCount();
    RunPage(kind, tag, [&](driver::Driver& d) {
      for (int id : {IDC_HISTORY_ENABLED, IDC_HISTORY_GROUP})
        EXPECT_FALSE(d.Enabled(id)) << "control " << id;
      if (kind.numeric) {
        EXPECT_FALSE(d.Enabled(IDC_LOG_DEAD_BAND));
      }
      EXPECT_TRUE(d.Checked(IDC_HISTORY_ENABLED));
      EXPECT_EQ(d.Text(IDC_HISTORY_GROUP), u"1");
      d.Ok();
      EXPECT_TRUE(d.Closed());
    });
    EXPECT_EQ(host().TagListModifiedCount(), modifiedBefore + 1);
    const History saved = Committed(tag);
    EXPECT_TRUE(saved.Enabled());
    EXPECT_EQ(saved.Group(), 1u);
    EXPECT_EQ(saved.deadBand, 3.5);
  }
}

}  // namespace
