#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "host/Orvik.h"
#include "hostsim/ForeignEditLock.h"
#include "hostsim/ProjectError.h"
#include "tests/support/TempProject.h"

namespace {

char Receive(int fd) {
  char c = 0;
  return read(fd, &c, 1) == 1 ? c : '\0';
}

void Send(int fd, char c) { ASSERT_EQ(write(fd, &c, 1), 1); }

int ExitCode(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(EditLock, AnotherProcessIsRefusedUntilTheHolderEnds) {
  support::TempProject project;
  int toParent[2], toChild[2];
  ASSERT_EQ(pipe(toParent), 0);
  ASSERT_EQ(pipe(toChild), 0);
  const pid_t child = fork();
  if (child == 0) {
    // Another host process on the same project.
    hostsim::Host::Instance().OpenProject(project.Folder());
    const char got = DBSetEdit(1, 1) ? 'y' : 'n';
    if (write(toParent[1], &got, 1) != 1) _exit(2);
    Receive(toChild[0]);
    _exit(0);
  }
  EXPECT_EQ(Receive(toParent[0]), 'y');
  EXPECT_FALSE(DBSetEdit(1, 1));
  EXPECT_TRUE(DBSetEdit(0, 1));
  EXPECT_FALSE(project.host().HoldsEditLock());
  Send(toChild[1], 'x');
  EXPECT_EQ(ExitCode(child), 0);
  EXPECT_TRUE(DBSetEdit(1, 1)) << "the lock goes with its process";
  EXPECT_TRUE(DBSetEdit(1, 1)) << "asking again while holding it succeeds";
}

TEST(EditLock, AForkedChildDoesNotInheritTheLock) {
  support::TempProject project;
  ASSERT_TRUE(DBSetEdit(1, 1));
  const pid_t child = fork();
  if (child == 0) {
    const bool refused = !DBSetEdit(1, 1) && !project.host().HoldsEditLock();
    DBSetEdit(0, 1);
    _exit(refused ? 0 : 1);
  }
  EXPECT_EQ(ExitCode(child), 0);
  EXPECT_TRUE(project.host().HoldsEditLock()) << "the child's release does not touch the parent's lock";
}

TEST(EditLock, AForeignHolderRefusesEditingUntilItIsGoneAndTakesItOnceReleased) {
  support::TempProject project;
  {
    hostsim::ForeignEditLock other(project.Folder());
    EXPECT_FALSE(DBSetEdit(1, 1));
    EXPECT_TRUE(DBSetEdit(0, 1));
  }
  EXPECT_TRUE(DBSetEdit(1, 1));
  EXPECT_THROW(hostsim::ForeignEditLock(project.Folder()), hostsim::ProjectError) << "this process holds it now";
  EXPECT_TRUE(DBSetEdit(0, 1));
  EXPECT_NO_THROW(hostsim::ForeignEditLock(project.Folder())) << "released, another process may take it";
}

}  // namespace
