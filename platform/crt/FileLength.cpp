#include <io.h>
#include <unistd.h>

#include <cerrno>

extern "C" int _fileno(FILE* stream) {
  if (stream == nullptr) {
    errno = EINVAL;
    return -1;
  }
  return fileno(stream);
}

extern "C" int _chsize(int descriptor, long size) {
  if (size < 0) {
    errno = EINVAL;
    return -1;
  }
  return ftruncate(descriptor, size);
}
