// The History pages (CDlgHstNum for Integer and Real tags, CDlgHstBool for Boolean and String tags)
// in a property sheet, worked by the scripted user against a project of the stand-in host. What
// the pages wrote is read back after reopening the project.

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/CDlgHstBool.h"
#include "dialogs/CDlgHstNum.h"
#include "host/Orvik.h"
#include "platform/driver/Utf8.h"
#include "res/resource.h"
#include "tests/support/PageTest.h"

namespace {

constexpr int kBoolean = 0, kInteger = 1, kReal = 2, kString = 3;

struct Kind {
  const char* name;
  int type;
  // The numeric page, with the log dead band.
  bool numeric;
};
const Kind kAllKinds[] = {{"Integer", kInteger, true}, {"Real", kReal, true}, {"Boolean", kBoolean, false},
                          {"String", kString, false}};
// One tag type per page.
const Kind kPages[] = {{"Integer", kInteger, true}, {"Boolean", kBoolean, false}};

const std::u16string kIntegerPrompt = u"Please enter an integer.";
std::u16string RangePrompt(int low, int high) {
  return driver::FromUtf8("Please enter an integer between " + std::to_string(low) + " and " + std::to_string(high) +
                          ".");
}

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

std::u16string Element(std::u16string_view tag, int index) {
  return std::u16string(tag) + u"[" + driver::FromUtf8(std::to_string(index)) + u"]";
}

class HistoryPageTest : public support::PageTest {
 protected:
  HistoryPageTest() : PageTest({.standardTags = false}) {
    host().AddSystemTag(u"SysCount", kInteger);
    host().AddSystemTag(u"SysText", kString);
  }

  std::u16string AddTag(const Kind& kind, int size = 0) {
    const std::u16string name = NewName(driver::FromUtf8(kind.name));
    host().AddTag(name, kind.type, size);
    return name;
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

  History Current(std::u16string_view element) {
    const VarRecord& record = host().Record(element);
    return {record.dwFlags, record.dLogDeadBand};
  }
  // What was committed: the project is reopened first.
  History Committed(std::u16string_view element) {
    project.Reopen();
    return Current(element);
  }
  std::vector<History> CommittedElements(std::u16string_view tag, int size) {
    project.Reopen();
    std::vector<History> all;
    for (int i = 0; i <= size; ++i) all.push_back(Current(Element(tag, i)));
    return all;
  }

  // Builds the page as the sheet's builder does, from the tag name and the element-index field of
  // the tag's reference, and runs a sheet of that one page with the script as the person.
  void RunPage(const Kind& kind, std::u16string_view name, std::function<void(driver::Driver&)> script) {
    const std::u16string tagName(name);
    VarRef ref{};
    DBGetVar(&ref, tagName.c_str());
    std::unique_ptr<CPropertyPage> page;
    if (kind.numeric)
      page = std::make_unique<CDlgHstNum>(tagName.c_str(), ref.elementIndex, nullptr);
    else
      page = std::make_unique<CDlgHstBool>(tagName.c_str(), ref.elementIndex, nullptr);
    RunSheet({page.get()}, std::move(script));
  }

  // An array tag whose element i holds group 10 + i, history enabled on odd elements and dead band
  // i / 4, all committed.
  std::u16string AddArray(const Kind& kind, int size) {
    const std::u16string tag = AddTag(kind, size);
    for (int i = 0; i <= size; ++i) Edit(Element(tag, i), i % 2 == 1, 10 + i, i / 4.0);
    host().Commit(tag);
    return tag;
  }
};

TEST_F(HistoryPageTest, ScalarTagHidesTheArrayIndexAndSavesElementZero) {
  for (const Kind& kind : kAllKinds) {
    SCOPED_TRACE(kind.name);
    const std::u16string tag = AddTag(kind);
    Store(tag, false, 4, 1.5);
    RunPage(kind, tag, [&](driver::Driver& d) {
      EXPECT_FALSE(d.Visible(IDC_HST_ARRAY_INDEX));
      EXPECT_FALSE(d.Visible(IDC_ARRAY_INDEX_LABEL));
      EXPECT_EQ(d.Text(IDC_HST_ARRAY_INDEX), u"0");
      EXPECT_FALSE(d.Checked(IDC_HISTORY_ENABLED));
      EXPECT_EQ(d.Text(IDC_HISTORY_GROUP), u"4");
      d.Click(IDC_HISTORY_ENABLED);
      Retype(d, IDC_HISTORY_GROUP, u"9");
      if (kind.numeric) {
        EXPECT_EQ(d.Text(IDC_LOG_DEAD_BAND), u"1.5");
        Retype(d, IDC_LOG_DEAD_BAND, u"2.5");
      }
      d.Ok();
      EXPECT_TRUE(d.Closed());
    });
    const History saved = Committed(tag);
    EXPECT_TRUE(saved.Enabled());
    EXPECT_EQ(saved.Group(), 9u);
    // The Boolean and String page never touches the dead band.
    EXPECT_EQ(saved.deadBand, kind.numeric ? 2.5 : 1.5);
  }
}

TEST_F(HistoryPageTest, ArrayTagOpensAtTheElementOfItsReference) {
  struct Case {
    const char16_t* suffix;
    int element;
    const char16_t* deadBand;
  };
  const Case cases[] = {{u"", 0, u"0"}, {u"[3]", 3, u"0.75"}, {u"[10]", 10, u"2.5"}};
  for (const Kind& kind : kAllKinds) {
    const std::u16string tag = AddArray(kind, 10);
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << kind.name << " element " << c.element);
      RunPage(kind, tag + c.suffix, [&](driver::Driver& d) {
        EXPECT_TRUE(d.Visible(IDC_ARRAY_INDEX_LABEL));
        EXPECT_EQ(d.Text(IDC_HST_ARRAY_INDEX), driver::FromUtf8(std::to_string(c.element)));
        EXPECT_EQ(d.Checked(IDC_HISTORY_ENABLED), c.element % 2 == 1);
        EXPECT_EQ(d.Text(IDC_HISTORY_GROUP), driver::FromUtf8(std::to_string(10 + c.element)));
        if (kind.numeric) {
          EXPECT_EQ(d.Text(IDC_LOG_DEAD_BAND), c.deadBand);
        }
        d.Cancel();
      });
    }
  }
}

TEST_F(HistoryPageTest, NewIndexWritesTheShownElementAtOnceAndCancelKeepsIt) {
  for (const Kind& kind : kPages) {
    SCOPED_TRACE(kind.name);
    const std::u16string tag = AddArray(kind, 10);
    const History fourth = Current(Element(tag, 4));
    RunPage(kind, Element(tag, 3), [&](driver::Driver& d) {
      d.Click(IDC_HISTORY_ENABLED);
      Retype(d, IDC_HISTORY_GROUP, u"7");
      if (kind.numeric) Retype(d, IDC_LOG_DEAD_BAND, u"4.5");
      Retype(d, IDC_HST_ARRAY_INDEX, u"4");
      EXPECT_FALSE(d.Checked(IDC_HISTORY_ENABLED));
      EXPECT_EQ(d.Text(IDC_HISTORY_GROUP), u"14");
      if (kind.numeric) {
        EXPECT_EQ(d.Text(IDC_LOG_DEAD_BAND), u"1");
      }
      d.Cancel();
    });
    const History third = Committed(Element(tag, 3));
    EXPECT_FALSE(third.Enabled());
    EXPECT_EQ(third.Group(), 7u);
    EXPECT_EQ(third.deadBand, kind.numeric ? 4.5 : 0.75);
    EXPECT_EQ(Current(Element(tag, 4)), fourth);
  }
}

TEST_F(HistoryPageTest, TwoDigitIndexTypedDigitByDigitPassesThroughItsFirstDigit) {
  for (const Kind& kind : kPages) {
    SCOPED_TRACE(kind.name);
    const std::u16string tag = AddArray(kind, 20);
    // A group of 0 on element 1 shows as 1, and leaving the element writes the 1.
    Store(Element(tag, 1), true, 0, 0.25);
    RunPage(kind, Element(tag, 3), [&](driver::Driver& d) {
      Retype(d, IDC_HISTORY_GROUP, u"7");
      d.SelectAll(IDC_HST_ARRAY_INDEX);
      d.Type(u"1");
      EXPECT_TRUE(d.Checked(IDC_HISTORY_ENABLED));
      EXPECT_EQ(d.Text(IDC_HISTORY_GROUP), u"1");
      d.Type(u"2");
      EXPECT_EQ(d.Text(IDC_HST_ARRAY_INDEX), u"12");
      EXPECT_EQ(d.Text(IDC_HISTORY_GROUP), u"22");
      d.Cancel();
    });
    EXPECT_EQ(Committed(Element(tag, 3)).Group(), 7u);
    EXPECT_EQ(Current(Element(tag, 1)).Group(), 1u);
    EXPECT_EQ(Current(Element(tag, 12)).Group(), 22u);
  }
}

// An index above the array size is refused, yet it is the index the page holds from then on: the
// next change writes nothing for the element shown before. A cleared index does nothing, a blank
// is refused.
TEST_F(HistoryPageTest, RefusedOrClearedIndexWritesNoElement) {
  const std::function<void(driver::Driver&)> scripts[] = {
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
  for (const Kind& kind : kPages) {
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

TEST_F(HistoryPageTest, GroupMustLieBetweenOneAnd255) {
  struct Case {
    DWORD stored;
    const char16_t* shown;
    const char16_t* typed;  // null: the stored group is kept
    std::u16string prompt;  // empty: OK is accepted at once
    const char16_t* fix;
    DWORD saved;
  };
  const Case cases[] = {
      {0, u"1", nullptr, u"", nullptr, 1},
      {5, u"5", u"0", RangePrompt(1, 255), u"6", 6},
      {5, u"5", u"256", RangePrompt(1, 255), u"255", 255},
      {300, u"300", nullptr, RangePrompt(1, 255), u"255", 255},
      {5, u"5", u"", kIntegerPrompt, u"12", 12},
  };
  for (const Kind& kind : kPages) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << kind.name << " stored " << c.stored << " typed "
                                      << (c.typed ? driver::ToUtf8(c.typed) : "nothing"));
      const std::u16string tag = AddTag(kind);
      Store(tag, true, c.stored, 0.0);
      RunPage(kind, tag, [&](driver::Driver& d) {
        EXPECT_EQ(d.Text(IDC_HISTORY_GROUP), c.shown);
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
      EXPECT_EQ(Committed(tag).Group(), c.saved);
    }
  }
}

TEST_F(HistoryPageTest, SaveKeepsTheBitsOutsideTheHistoryFields) {
  struct Case {
    DWORD others;
    bool enabled;
    DWORD group;
    const char16_t* typed;
    DWORD savedHistoryBits;
  };
  // Every group bit set on the way in, and every one but the lowest cleared on the way out.
  const Case cases[] = {
      {0xFFFC001C, false, 3, u"200", (1u << 5) | (200u << 6)},
      {0xA5A4001C & 0xFFFC001C, true, 4095, u"1", 1u << 6},
      {0x00000000, true, 4095, u"255", 255u << 6},
  };
  for (const Kind& kind : kPages) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << kind.name << " other bits 0x" << std::hex << c.others);
      const std::u16string tag = AddTag(kind);
      const DWORD others = c.others | static_cast<DWORD>(kind.type);
      host().Record(tag).dwFlags = others;
      Store(tag, c.enabled, c.group, 0.0);
      RunPage(kind, tag, [&](driver::Driver& d) {
        d.Click(IDC_HISTORY_ENABLED);
        Retype(d, IDC_HISTORY_GROUP, c.typed);
        d.Ok();
        EXPECT_TRUE(d.Closed());
      });
      EXPECT_EQ(Committed(tag).flags, others | c.savedHistoryBits);
    }
  }
}

TEST_F(HistoryPageTest, SystemTagIsReadOnlyAndWrittenBackAtOk) {
  struct Case {
    const char16_t* tag;
    Kind kind;
  };
  const Case cases[] = {{u"SysCount", kPages[0]}, {u"SysText", kPages[1]}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind.name);
    Store(c.tag, false, 2, 1.0);
    // Held in memory only: writing it back commits it, with the group raised to 1.
    Edit(c.tag, true, 0, 3.5);
    const int modifiedBefore = host().TagListModifiedCount();
    RunPage(c.kind, c.tag, [&](driver::Driver& d) {
      for (int id : {IDC_HISTORY_ENABLED, IDC_HISTORY_GROUP})
        EXPECT_FALSE(d.Enabled(id)) << "control " << id;
      if (c.kind.numeric) {
        EXPECT_FALSE(d.Enabled(IDC_LOG_DEAD_BAND));
      }
      EXPECT_TRUE(d.Checked(IDC_HISTORY_ENABLED));
      EXPECT_EQ(d.Text(IDC_HISTORY_GROUP), u"1");
      d.Ok();
      EXPECT_TRUE(d.Closed());
    });
    EXPECT_EQ(host().TagListModifiedCount(), modifiedBefore + 1);
    const History saved = Committed(c.tag);
    EXPECT_TRUE(saved.Enabled());
    EXPECT_EQ(saved.Group(), 1u);
    EXPECT_EQ(saved.deadBand, 3.5);
  }
}

}  // namespace
