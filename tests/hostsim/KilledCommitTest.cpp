// A host process killed (SIGKILL) while it commits, over and over: the project opens afterwards,
// holds every commit that returned (and at most the one in flight besides), and the killed
// process's edit lock no longer blocks.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <string>

#include "host/Orvik.h"
#include "tests/support/TempProject.h"
#include "platform/driver/Utf8.h"

namespace {

constexpr std::array<const char16_t*, 3> kTags = {u"Tank1", u"Tank2", u"Tank3"};
constexpr int kRounds = 25;

// Commits value i into tag i % 3, from `first` on, telling the parent of each commit that returned.
[[noreturn]] void CommitForever(const std::filesystem::path& folder, int first, int report) {
  hostsim::Host& host = hostsim::Host::Instance();
  host.OpenProject(folder);
  if (!DBSetEdit(1, 1)) _exit(2);
  for (int i = first;; ++i) {
    const char16_t* tag = kTags[static_cast<size_t>(i) % kTags.size()];
    host.SetStartup(tag, driver::FromUtf8(std::to_string(i)));
    host.Commit(tag);
    if (write(report, &i, sizeof i) != sizeof i) _exit(3);
  }
}

TEST(KilledCommit, EveryReturnedCommitSurvivesAndTheLockIsFree) {
  support::TempProject project;
  std::array<int, kTags.size()> committed{};
  for (const char16_t* tag : kTags) project.host().AddTag(tag, 3);
  int next = 3;  // tag i % 3 holds value i
  for (size_t t = 0; t < kTags.size(); ++t) {
    project.host().SetStartup(kTags[t], driver::FromUtf8(std::to_string(t)));
    project.host().Commit(kTags[t]);
    committed[t] = static_cast<int>(t);
  }
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    project.host().CloseProject();
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(report[0]);
      CommitForever(project.Folder(), next, report[1]);
    }
    close(report[1]);
    // Let a few commits return, then kill at a different moment of the next one each round.
    int value = 0;
    for (int seen = 0; seen < 1 + round % 5 && read(report[0], &value, sizeof value) == sizeof value; ++seen) {
      committed[static_cast<size_t>(value) % kTags.size()] = value;
    }
    usleep(static_cast<useconds_t>(round * 97 % 1500));
    ASSERT_EQ(kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself, status " << status;
    while (read(report[0], &value, sizeof value) == sizeof value) {
      committed[static_cast<size_t>(value) % kTags.size()] = value;
    }
    close(report[0]);
    const int inFlight = *std::max_element(committed.begin(), committed.end()) + 1;

    ASSERT_NO_THROW(project.host().OpenProject(project.Folder()));
    for (size_t t = 0; t < kTags.size(); ++t) {
      const std::string stored = driver::ToUtf8(project.host().Startup(kTags[t]));
      const bool landed = inFlight % static_cast<int>(kTags.size()) == static_cast<int>(t) &&
                          stored == std::to_string(inFlight);
      EXPECT_TRUE(stored == std::to_string(committed[t]) || landed)
          << driver::ToUtf8(kTags[t]) << " holds " << stored << ", last returned commit " << committed[t];
      if (landed) committed[t] = inFlight;
    }
    EXPECT_TRUE(DBSetEdit(1, 1)) << "the killed process's edit lock is gone";
    DBSetEdit(0, 1);
    next = inFlight + 1;
  }
}

}  // namespace
