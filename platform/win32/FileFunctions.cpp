// The file-system queries: attributes (the directory test) and the long form of a path.

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "TextConversion.h"
#include "WinBase.h"

DWORD GetFileAttributesW(LPCWSTR path) {
  if (path == nullptr || *path == 0) return INVALID_FILE_ATTRIBUTES;
  struct stat status {};
  if (stat(platform::ToNativePath(path).c_str(), &status) != 0) return INVALID_FILE_ATTRIBUTES;
  return S_ISDIR(status.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
}

namespace {

// 1601-01-01 to 1970-01-01 in 100-nanosecond intervals.
constexpr unsigned long long kUnixEpoch = 116444736000000000ULL;

FILETIME FileTimeOf(const struct timespec& time) {
  const unsigned long long intervals = kUnixEpoch + static_cast<unsigned long long>(time.tv_sec) * 10000000ULL +
                                       static_cast<unsigned long long>(time.tv_nsec) / 100;
  return {static_cast<DWORD>(intervals), static_cast<DWORD>(intervals >> 32)};
}

}  // namespace

BOOL GetFileAttributesExW(LPCWSTR path, GET_FILEEX_INFO_LEVELS level, LPVOID information) {
  if (path == nullptr || *path == 0 || level != GetFileExInfoStandard || information == nullptr) return FALSE;
  struct stat status {};
  if (stat(platform::ToNativePath(path).c_str(), &status) != 0) return FALSE;
  auto& data = *static_cast<WIN32_FILE_ATTRIBUTE_DATA*>(information);
  data.dwFileAttributes = S_ISDIR(status.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
  data.ftCreationTime = FileTimeOf(status.st_ctim);
  data.ftLastAccessTime = FileTimeOf(status.st_atim);
  data.ftLastWriteTime = FileTimeOf(status.st_mtim);
  const auto size = static_cast<unsigned long long>(status.st_size);
  data.nFileSizeHigh = static_cast<DWORD>(size >> 32);
  data.nFileSizeLow = static_cast<DWORD>(size);
  return TRUE;
}

DWORD GetLongPathNameW(LPCWSTR shortPath, LPWSTR longPath, DWORD capacity) {
  if (shortPath == nullptr) return 0;
  std::error_code error;
  const auto canonical = std::filesystem::canonical(platform::ToNativePath(shortPath), error);
  if (error) return 0;
  const std::u16string path = platform::Utf8ToUtf16(canonical.string());
  // Too small a buffer is left alone and the size it needs, terminator included, is returned.
  if (longPath == nullptr || path.size() >= capacity) return static_cast<DWORD>(path.size() + 1);
  std::copy(path.begin(), path.end(), longPath);
  longPath[path.size()] = 0;
  return static_cast<DWORD>(path.size());
}
