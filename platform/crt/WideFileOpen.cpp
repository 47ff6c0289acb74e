#include <tchar.h>

#include "Utf8Conversion.h"

#include <sys/stat.h>

#include <cerrno>
#include <optional>
#include <string>

namespace {

// A lone surrogate names no file here, so it fails the open.
std::optional<std::string> ToFileName(const WCHAR* text, bool mapSeparators) {
  std::u16string name(text);
  for (size_t i = 0; i < name.size(); ++i) {
    const char16_t c = name[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < name.size() && name[i + 1] >= 0xDC00 && name[i + 1] <= 0xDFFF) {
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      return std::nullopt;
    } else if (c == u'\\' && mapSeparators) {
      name[i] = u'/';
    }
  }
  return platform::Utf16ToUtf8(name);
}

}  // namespace

extern "C" FILE* _wfopen(const WCHAR* path, const WCHAR* mode) {
  if (path == nullptr || mode == nullptr) {
    errno = EINVAL;
    return nullptr;
  }
  const std::optional<std::string> name = ToFileName(path, true);
  const std::optional<std::string> narrowMode = ToFileName(mode, false);
  if (!name || !narrowMode) {
    errno = EINVAL;
    return nullptr;
  }
  FILE* file = std::fopen(name->c_str(), narrowMode->c_str());
  if (file == nullptr) {
    return nullptr;
  }
  // Windows refuses to open a directory as a file; this system would not.
  struct stat status {};
  if (fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode)) {
    std::fclose(file);
    errno = EACCES;
    return nullptr;
  }
  return file;
}
