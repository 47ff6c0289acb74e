#include "hostsim/EditLock.h"

#include <fcntl.h>
#include <unistd.h>

namespace hostsim {
namespace {

bool SetLock(int fd, short type) {
  struct flock lock {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  return fcntl(fd, F_SETLK, &lock) == 0;
}

}  // namespace

EditLock::EditLock(std::filesystem::path file) : file_(std::move(file)) {}

EditLock::~EditLock() {
  Release();
  if (fd_ >= 0) close(fd_);
}

bool EditLock::Held() const { return fd_ >= 0 && owner_ == getpid(); }

bool EditLock::Acquire() {
  if (Held()) return true;
  if (fd_ < 0) {
    fd_ = open(file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) return false;
  }
  if (!SetLock(fd_, F_WRLCK)) return false;
  owner_ = getpid();
  return true;
}

void EditLock::Release() {
  if (!Held()) return;
  SetLock(fd_, F_UNLCK);
  owner_ = 0;
}

}  // namespace hostsim
