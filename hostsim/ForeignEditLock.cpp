#include "hostsim/ForeignEditLock.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "hostsim/EditLock.h"
#include "hostsim/ProjectError.h"

namespace hostsim {

ForeignEditLock::ForeignEditLock(const std::filesystem::path& projectFolder) {
  int ready[2], release[2];
  if (pipe(ready) != 0) throw ProjectError("cannot start the process that holds the edit lock");
  if (pipe(release) != 0) {
    close(ready[0]);
    close(ready[1]);
    throw ProjectError("cannot start the process that holds the edit lock");
  }
  const auto lockFile = projectFolder / EditLock::kFileName;
  child_ = fork();
  if (child_ == 0) {
    close(ready[0]);
    close(release[1]);
    EditLock lock(lockFile);
    const char answer = lock.Acquire() ? 'y' : 'n';
    if (write(ready[1], &answer, 1) == 1 && answer == 'y') {
      char done = 0;
      while (read(release[0], &done, 1) > 0) {
      }
    }
    _exit(0);
  }
  close(ready[1]);
  close(release[0]);
  release_ = release[1];
  char answer = 'n';
  const bool held = child_ > 0 && read(ready[0], &answer, 1) == 1 && answer == 'y';
  close(ready[0]);
  if (!held) {
    Stop();
    throw ProjectError("another process could not take the edit lock of " + projectFolder.string());
  }
}

ForeignEditLock::~ForeignEditLock() { Stop(); }

void ForeignEditLock::Stop() {
  if (release_ >= 0) close(release_);
  release_ = -1;
  if (child_ > 0) waitpid(child_, nullptr, 0);
  child_ = -1;
}

}  // namespace hostsim
