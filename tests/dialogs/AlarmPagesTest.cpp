// The Alarms pages (CDlgAlrNum for Integer and Real tags, CDlgAlrBool for Boolean tags) in a
// property sheet, worked by the scripted user against a project of the stand-in host. What the
// pages wrote is read back after reopening the project; what they told the background task is
// read from the host's mailbox.

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/CDlgAlrBool.h"
#include "dialogs/CDlgAlrNum.h"
#include "host/Orvik.h"
#include "hostsim/DemoProject.h"
#include "tests/support/TempProject.h"
#include "platform/bcg/CBCGPPropertySheet.h"
#include "platform/driver/UserTest.h"
#include "platform/driver/Utf8.h"
#include "res/resource.h"

namespace {

using driver::FromUtf8;

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
  bool numeric() const { return type != 0; }
};
const Page kNum{"Integer",
                1,
                {{1, IDC_HIHI_ENABLED, IDC_HIHI_LIMIT, 0, IDC_HIHI_MESSAGE, IDC_HIHI_GROUP, IDC_HIHI_PRIORITY, IDC_HIHI_SELECTION},
                 {2, IDC_HI_ENABLED, IDC_HI_LIMIT, 0, IDC_HI_MESSAGE, IDC_HI_GROUP, IDC_HI_PRIORITY, IDC_HI_SELECTION},
                 {4, IDC_LO_ENABLED, IDC_LO_LIMIT, 0, IDC_LO_MESSAGE, IDC_LO_GROUP, IDC_LO_PRIORITY, IDC_LO_SELECTION},
                 {8, IDC_LOLO_ENABLED, IDC_LOLO_LIMIT, 0, IDC_LOLO_MESSAGE, IDC_LOLO_GROUP, IDC_LOLO_PRIORITY, IDC_LOLO_SELECTION},
                 {16, IDC_RATE_ENABLED, IDC_RATE_LIMIT, IDC_RATE_UNIT, IDC_RATE_MESSAGE, IDC_RATE_GROUP, IDC_RATE_PRIORITY, IDC_RATE_SELECTION},
                 {32, IDC_DEVP_ENABLED, IDC_DEVP_LIMIT, 0, IDC_DEVP_MESSAGE, IDC_DEVP_GROUP, IDC_DEVP_PRIORITY, IDC_DEVP_SELECTION},
                 {64, IDC_DEVM_ENABLED, IDC_DEVM_LIMIT, 0, IDC_DEVM_MESSAGE, IDC_DEVM_GROUP, IDC_DEVM_PRIORITY, IDC_DEVM_SELECTION}},
                {IDC_HEAD_LIMIT, IDC_HEAD_MESSAGE, IDC_HEAD_GROUP, IDC_HEAD_PRIORITY, IDC_HEAD_SELECTION}};
const Page kBool{"Boolean",
                 0,
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

std::u16string RangePrompt(int low, int high) {
  return FromUtf8("Please enter an integer between " + std::to_string(low) + " and " + std::to_string(high) + ".");
}
const std::u16string kIntegerPrompt = u"Please enter an integer.";
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
  if (!s.present) {
    *out << "{none}";
    return;
  }
  *out << std::hex << "{flags 0x" << s.flags << std::dec << " remote ack " << driver::Quoted(s.remoteAck) << " texts "
       << driver::Quoted(s.onText + u"|" + s.offText + u"|" + s.ackText);
  for (const TypeState& t : s.types)
    *out << " [0x" << std::hex << t.flags << std::dec << " " << driver::Quoted(t.message) << " "
         << driver::Quoted(t.selection) << " " << t.limit << "]";
  *out << "}";
}

struct Alarm {
  DWORD code;
  std::u16string message;
  DWORD group = 1, priority = 10;
  double limit = 0;
};

std::u16string Element(std::u16string_view tag, int index) {
  return std::u16string(tag) + u"[" + FromUtf8(std::to_string(index)) + u"]";
}

class AlarmPageTest : public driver::UserTest {
 protected:
  hostsim::Host& host() { return project.host(); }

  std::u16string AddTag(const Page& page, int size = 0) {
    const std::u16string name = FromUtf8(std::string(page.name) + std::to_string(m_nextTag++));
    host().AddTag(name, page.type, size);
    return name;
  }
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

  AlarmState Current(std::u16string_view element) {
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
  AlarmState Committed(std::u16string_view element) {
    project.Reopen();
    return Current(element);
  }

  // Builds the page as the sheet's builder does and runs a sheet of that one page with the script
  // as the person. Returns the messages the page posted meanwhile.
  std::vector<hostsim::PostedMessage> RunPage(const Page& page, std::u16string_view name,
                                              std::function<void(driver::Driver&)> script) {
    const std::u16string tagName(name);
    VarRef ref{};
    DBGetVar(&ref, tagName.c_str());
    std::unique_ptr<CPropertyPage> alarms;
    if (page.numeric())
      alarms = std::make_unique<CDlgAlrNum>(tagName.c_str(), ref.elementIndex, nullptr);
    else
      alarms = std::make_unique<CDlgAlrBool>(tagName.c_str(), ref.elementIndex, nullptr);
    CBCGPPropertySheet sheet(u"Tag Properties");
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(alarms.get());
    const std::size_t before = host().Messages().size();
    user.OnModal(std::move(script));
    sheet.DoModal();
    return {host().Messages().begin() + static_cast<std::ptrdiff_t>(before), host().Messages().end()};
  }
  static hostsim::PostedMessage Announced(WORD tag, DWORD element) { return {u"BGTASK", 0x551, tag, element}; }

  static void Retype(driver::Driver& d, int id, std::u16string_view text) {
    d.SelectAll(id);
    if (text.empty())
      d.Press(driver::Key::Delete);
    else
      d.Type(text);
  }

  support::TempProject project{support::TempProject::Options{.standardTags = false}};

 private:
  int m_nextTag = 1;
};

TEST_F(AlarmPageTest, ElementWithoutAlarmsShowsTheDefaultsAndOkStoresAnEmptyConfiguration) {
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
      d.Ok();
    });
    const AlarmState saved = Committed(tag);
    EXPECT_TRUE(saved.present);
    EXPECT_EQ(saved.flags, AlarmInfoRecord::TranslationEnabled::kMask);
    EXPECT_TRUE(saved.types.empty());
    EXPECT_EQ(posted, (std::vector{Announced(Number(tag), 0)}));
  }
}

TEST_F(AlarmPageTest, CheckingARowShowsItsValuesAndEnablesAlarms) {
  for (const Page* page : kPages) {
    for (const Row& row : page->rows) {
      SCOPED_TRACE(testing::Message() << page->name << " row " << row.code);
      RunPage(*page, AddTag(*page), [&](driver::Driver& d) {
        d.Click(row.check);
        for (const Row& other : page->rows)
          for (int id : Values(other)) EXPECT_EQ(d.Visible(id), &other == &row) << id;
        for (int id : page->headings) EXPECT_TRUE(d.Visible(id)) << id;
        EXPECT_TRUE(d.Checked(IDC_ALARMS_ENABLED));
        d.Click(row.check);
        for (int id : Values(row)) EXPECT_FALSE(d.Visible(id)) << id;
        for (int id : page->headings) EXPECT_FALSE(d.Visible(id)) << id;
        EXPECT_TRUE(d.Checked(IDC_ALARMS_ENABLED));
        d.Cancel();
      });
    }
  }
}

// Types of codes a page has no row for are neither shown nor changed.
TEST_F(AlarmPageTest, UncheckingEveryRowRemovesEveryTypeOfThePageAndNoOther) {
  struct Case {
    const Page* page;
    std::vector<DWORD> foreign;
  };
  for (const Case& c : {Case{&kNum, {128}}, Case{&kBool, {1, 8, 32, 64}}}) {
    SCOPED_TRACE(c.page->name);
    const std::u16string tag = AddTag(*c.page);
    std::vector<Alarm> alarms;
    for (DWORD code : c.foreign) alarms.push_back({code, u"Foreign", 9, 99, 3.5});
    for (const Row& row : c.page->rows) alarms.push_back({row.code, u"Mine"});
    Give(tag, alarms);
    const AlarmState before = Current(tag);
    RunPage(*c.page, tag, [&](driver::Driver& d) {
      for (const Row& row : c.page->rows) d.Click(row.check);
      for (int id : c.page->headings) EXPECT_FALSE(d.Visible(id)) << id;
      EXPECT_TRUE(d.Checked(IDC_ALARMS_ENABLED));
      d.Ok();
    });
    AlarmState expected = before;
    expected.types.resize(c.foreign.size());
    const AlarmState saved = Committed(tag);
    EXPECT_EQ(saved.types, expected.types);
    EXPECT_EQ(saved.flags, expected.flags - (c.page->rows.size() << 11));
  }
}

TEST_F(AlarmPageTest, PriorityIsRefusedOutside0To255AndGroupAbove4095) {
  struct Case {
    const Page* page;
    size_t row;
    bool group;               // else the priority
    const char16_t* typed;    // null: left as shown
    std::u16string prompt;    // empty: accepted
    DWORD stored;
  };
  const Case cases[] = {
      {&kNum, 0, false, u"256", RangePrompt(0, 255), 255}, {&kNum, 4, false, u"-1", RangePrompt(0, 255), 255},
      {&kBool, 2, false, u"256", RangePrompt(0, 255), 255}, {&kNum, 1, true, u"0", u"", 1},
      {&kNum, 6, true, u"-12", u"", 1},                     {&kNum, 2, true, u"4095", u"", 4095},
      {&kNum, 5, true, u"4096", kGroupPrompt, 4095},        {&kBool, 1, true, u"5000", kGroupPrompt, 4095},
      {&kBool, 2, true, nullptr, u"", 1},                   {&kBool, 0, true, nullptr, u"", 1},
  };
  for (const Case& c : cases) {
    const Row& row = c.page->rows[c.row];
    const int id = c.group ? row.group : row.priority;
    SCOPED_TRACE(testing::Message() << c.page->name << " control " << id);
    const std::u16string tag = AddTag(*c.page);
    RunPage(*c.page, tag, [&](driver::Driver& d) {
      d.Click(row.check);
      if (c.typed != nullptr) Retype(d, id, c.typed);
      if (!c.prompt.empty()) {
        user.ExpectBox(c.prompt);
        d.Ok();
        EXPECT_TRUE(d.Focused(id));
        Retype(d, id, FromUtf8(std::to_string(c.stored)));
      }
      d.Ok();
      EXPECT_TRUE(d.Closed());
    });
    const AlarmState state = Committed(tag);
    const TypeState* saved = state.Type(row.code);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(c.group ? AlarmTypeRecord::Group::Get(saved->flags) : AlarmTypeRecord::Priority::Get(saved->flags),
              c.stored);
  }
}

TEST_F(AlarmPageTest, TextsTakeTheirLengthAndLongOnesAreHeldElsewhere) {
  enum Field { kMessage, kSelection, kOn, kOff, kAck };
  struct Case {
    const Page* page;
    size_t row;
    Field field;
    int id;
    size_t accepted;
  };
  const Case cases[] = {
      {&kNum, 4, kMessage, IDC_RATE_MESSAGE, 255},   {&kNum, 5, kMessage, IDC_DEVP_MESSAGE, 300},
      {&kNum, 6, kMessage, IDC_DEVM_MESSAGE, 300},   {&kNum, 2, kSelection, IDC_LO_SELECTION, 7},
      {&kBool, 0, kMessage, IDC_OFF_MESSAGE, 255},   {&kBool, 2, kSelection, IDC_CHANGED_SELECTION, 7},
      {&kBool, 1, kOn, IDC_ON_TEXT, 32},             {&kBool, 0, kOff, IDC_OFF_TEXT, 32},
      {&kBool, 0, kAck, IDC_ACK_TEXT, 32},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.page->name << " control " << c.id);
    const std::u16string tag = AddTag(*c.page);
    const Row& row = c.page->rows[c.row];
    std::u16string typed;
    for (int i = 0; i < 300; ++i) typed += static_cast<char16_t>(u'a' + i % 26);
    RunPage(*c.page, tag, [&](driver::Driver& d) {
      d.Click(row.check);
      Retype(d, c.id, typed);
      EXPECT_EQ(d.Text(c.id).size(), c.accepted);
      d.Ok();
    });
    const AlarmState saved = Committed(tag);
    const TypeState* type = saved.Type(row.code);
    ASSERT_NE(type, nullptr);
    const std::u16string stored[] = {type->message, type->selection, saved.onText, saved.offText, saved.ackText};
    EXPECT_EQ(stored[c.field], typed.substr(0, c.accepted));
    if (c.field == kMessage) {
      EXPECT_EQ(type->heldElsewhere, c.accepted > 63);
    }
  }
}

// Everything the page shows comes back unchanged: texts held elsewhere, the rate unit, and the
// bits of the flags words that belong to the host.
TEST_F(AlarmPageTest, OkWithoutChangesWritesBackWhatWasStored) {
  const std::u16string longText(70, u'L');
  for (const Page* page : kPages) {
    SCOPED_TRACE(page->name);
    const std::u16string tag = AddTag(*page);
    std::vector<Alarm> alarms;
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
    const AlarmState before = Current(tag);
    const auto posted = RunPage(*page, tag, [&](driver::Driver& d) {
      EXPECT_EQ(d.Text(page->rows[0].message), longText + u"!");
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
    EXPECT_EQ(posted.size(), 1u);
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
  std::vector<AlarmState> CommittedElements(std::u16string_view tag, int size) {
    project.Reopen();
    std::vector<AlarmState> all;
    for (int i = 0; i <= size; ++i) all.push_back(Current(Element(tag, i)));
    return all;
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
    std::function<void(driver::Driver&)> enter;
    bool dropsTheShownElement;
  };
  const Case cases[] = {
      {"above the maximum",
       [&](driver::Driver& d) {
         d.Focus(IDC_ALR_ARRAY_INDEX);
         user.ExpectBox(RangePrompt(0, 10));
         d.Type(u"1");
       },
       true},
      {"negative",
       [&](driver::Driver& d) {
         d.Focus(IDC_ALR_ARRAY_INDEX);
         d.Press(driver::Key::Home);
         user.ExpectBox(RangePrompt(0, 10));
         d.Type(u"-");
       },
       true},
      {"cleared, then blank",
       [&](driver::Driver& d) {
         Retype(d, IDC_ALR_ARRAY_INDEX, u"");
         user.ExpectBox(kIntegerPrompt);
         d.Type(u" ");
       },
       false},
  };
  for (const Page* page : kPages) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << page->name << " " << c.what);
      const std::u16string tag = AddArray(*page, 10);
      const std::vector<AlarmState> before = CommittedElements(tag, 10);
      const auto posted = RunPage(*page, Element(tag, 1), [&](driver::Driver& d) {
        Retype(d, page->rows[1].message, u"Lost");
        c.enter(d);
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

TEST_F(AlarmPageTest, SystemTagIsReadOnlyYetSavedAndAnnouncedAtOk) {
  for (const Page* page : kPages) {
    SCOPED_TRACE(page->name);
    const std::u16string tag = FromUtf8(std::string("Sys") + page->name);
    const WORD number = host().AddSystemTag(tag, page->type);
    Give(tag, {{page->rows[0].code, u"Stored"}});
    // Held in memory only: the save at OK commits it.
    host().ElementOf(tag).SetTypeMessage(page->rows[0].code, u"In memory");
    const auto posted = RunPage(*page, tag, [&](driver::Driver& d) {
      for (int id : {page->rows[0].check, page->rows[0].message, IDC_ALARMS_ENABLED, IDC_REMOTE_ACK_TAG})
        EXPECT_FALSE(d.Enabled(id)) << id;
      EXPECT_EQ(d.Text(page->rows[0].message), u"In memory");
      d.Ok();
      EXPECT_TRUE(d.Closed());
    });
    EXPECT_EQ(Committed(tag).Type(page->rows[0].code)->message, u"In memory");
    EXPECT_EQ(posted, (std::vector{Announced(number, 0)}));
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

std::string RunCommand(const std::string& command) {
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  std::string output;
  char buffer[4096];
  for (std::size_t n; pipe != nullptr && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  EXPECT_TRUE(pipe != nullptr && pclose(pipe) == 0) << command << "\n" << output;
  return output;
}

// The sample script, run by the host program through the plug-in's exports as a person runs it.
TEST_F(AlarmPageTest, SampleScriptChangesElementThreeOfTheDemoPressuresAndReportsTheMessages) {
  const std::filesystem::path demo = project.Folder() / "demo";
  hostsim::DemoProject::Write(demo);
  const std::string tagprops = std::string(TAGPROPS_PATH) + " --project '" + demo.string() + "'";
  const std::string output = RunCommand(tagprops + " --verbose --script '" SAMPLE_SCRIPT "' sheet 'Pressures[3]'");
  const std::string shown = RunCommand(tagprops + " show Pressures");

  host().OpenProject(demo);
  const std::string number = std::to_string(Number(u"Pressures"));
  host().CloseProject();
  EXPECT_EQ(output, "DBSaveTagLModified: 1 call(s)\nposted to BGTASK: message 0x551 (" + number +
                        ", 3)\nposted to BGTASK: message 0x551 (" + number + ", 4)\n");
  for (const char* line : {"element[3].alarms.type[0].limit: 9.25\n", "element[3].alarms.type[2].code: 16 Rate\n",
                           "element[3].alarms.type[2].rate_unit: 2\n", "element[3].alarms.type[2].priority: 30\n",
                           "element[3].alarms.type[2].message: \"Line 3 pressure rising fast\"\n",
                           "element[4].alarms.type[0].message: \"Line 4 pressure high\"\n"}) {
    EXPECT_NE(shown.find(line), std::string::npos) << line;
  }
}

}  // namespace
