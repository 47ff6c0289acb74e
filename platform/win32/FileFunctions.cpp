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
