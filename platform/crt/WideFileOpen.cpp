#include <tchar.h>

#include <sys/stat.h>

#include <cerrno>
#include <optional>
#include <string>

namespace {

// UTF-16 to UTF-8; a lone surrogate names no file here, so it fails the open.
std::optional<std::string> ToFileName(const WCHAR* text, bool mapSeparators) {
  std::string name;
  for (const WCHAR* p = text; *p != 0; ++p) {
    char32_t c = *p;
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (p[1] < 0xDC00 || p[1] > 0xDFFF) {
        return std::nullopt;
      }
      c = 0x10000 + ((c - 0xD800) << 10) + (p[1] - 0xDC00);
      ++p;
    } else if (c >= 0xDC00 && c <= 0xDFFF) {
      return std::nullopt;
    }
    if (c == u'\\' && mapSeparators) {
      c = u'/';
    }
    if (c < 0x80) {
      name += static_cast<char>(c);
    } else if (c < 0x800) {
      name += static_cast<char>(0xC0 | (c >> 6));
      name += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      name += static_cast<char>(0xE0 | (c >> 12));
      name += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      name += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      name += static_cast<char>(0xF0 | (c >> 18));
      name += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      name += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      name += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return name;
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
