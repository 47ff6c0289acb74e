#pragma once
// The project's edit lock between processes: a POSIX record lock on the project's lock file. It
// belongs to the process that took it (a forked child does not inherit it) and goes when that
// process ends.

#include <sys/types.h>

#include <filesystem>

namespace hostsim {

class EditLock {
 public:
  // The lock file in the project folder.
  static constexpr const char* kFileName = "project.lock";

  explicit EditLock(std::filesystem::path file);
  ~EditLock();
  EditLock(const EditLock&) = delete;
  EditLock& operator=(const EditLock&) = delete;

  // True when this process holds the lock, now or already; false while another process holds it.
  bool Acquire();
  void Release();
  bool Held() const;

 private:
  std::filesystem::path file_;
  int fd_ = -1;
  pid_t owner_ = 0;
};

}  // namespace hostsim
