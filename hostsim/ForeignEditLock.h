#pragma once
// For tests: another process that holds a project's edit lock while this object lives, so that
// DBSetEdit(1, ...) is refused here:
//
//   support::TempProject project;
//   hostsim::ForeignEditLock other(project.Folder());
//   EXPECT_FALSE(DBSetEdit(1, 1));

#include <sys/types.h>

#include <filesystem>

namespace hostsim {

class ForeignEditLock {
 public:
  // Returns once the other process holds the lock; throws ProjectError when it could not take it.
  explicit ForeignEditLock(const std::filesystem::path& projectFolder);
  // Ends the other process, which gives the lock back.
  ~ForeignEditLock();
  ForeignEditLock(const ForeignEditLock&) = delete;
  ForeignEditLock& operator=(const ForeignEditLock&) = delete;

 private:
  void Stop();

  pid_t child_ = -1;
  int release_ = -1;
};

}  // namespace hostsim
