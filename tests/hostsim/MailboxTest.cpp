#include <gtest/gtest.h>

#include "host/Orvik.h"
#include "tests/support/TempProject.h"

namespace {

TEST(Mailbox, PostedMessagesAreQueuedWithTheirWordsAndKept) {
  support::TempProject project;
  project.host().AddClass(u"Valve", {{u"Open", 0, u""}, {u"Position", 2, u""}});
  const WORD tank = project.host().AddTag(u"Tank", 1, 5);
  const WORD valves = project.host().AddTag(u"Valves", 4, 2);

  struct Case {
    const char16_t* name;
    DWORD first;
    DWORD second;
  };
  const Case cases[] = {
      {u"Tank", tank, 0},
      {u"Tank[3]", tank, 3},
      {u"Valves[2].Position", valves | (2u << 16), 2},
  };
  for (const auto& c : cases) {
    VarRef ref{};
    ASSERT_TRUE(DBGetVar(&ref, c.name));
    DWORD first = 0, second = 0;
    ASSERT_TRUE(OVMakeCVarParam(&ref, &first, &second));
    EXPECT_EQ(first, c.first);
    EXPECT_EQ(second, c.second);
    ASSERT_TRUE(OVExePostMessage(u"BGTASK", 0x551, first, second));
  }
  EXPECT_FALSE(OVExePostMessage(u"NOTASK", 0x551, 1, 2)) << "no such task";

  const std::vector<hostsim::PostedMessage> expected = {
      {u"BGTASK", 0x551, tank, 0},
      {u"BGTASK", 0x551, tank, 3},
      {u"BGTASK", 0x551, valves | (2u << 16), 2},
  };
  EXPECT_EQ(project.host().Messages(), expected);
  project.Reopen();
  EXPECT_EQ(project.host().Messages(), expected);
}

}  // namespace
