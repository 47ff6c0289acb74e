#pragma once
// Whole text files to and from wide strings. Reading detects the encoding
// (see TextDecoder); writing always produces UTF-16LE with a byte order mark.
// Paths may use either separator.

#include <functional>
#include <string>

#include "TextEncoding.h"
#include "Utf16Output.h"

namespace helper {

class FileFunctions {
 public:
  // True when the file can be opened for reading.
  static bool FileExists(const std::u16string& path);
  // The file's size in bytes; negative when it cannot be opened or measured.
  static long FileSize(const std::u16string& path);
  // `text` is emptied first; false without it, when the file cannot be opened
  // or read, or when a UTF-16 file has an odd size. `encoding`, when given,
  // receives how a file that was read is encoded.
  static bool ReadFile(const std::u16string& path, std::u16string* text, TextEncoding* encoding = nullptr);
  // Writes the mark and the text up to its first NUL; false only when the file
  // cannot be opened for writing.
  static bool WriteFile(const std::u16string& path, const std::u16string& text);
  // Writes the mark and the units that `write` puts out, a block at a time,
  // without holding the whole text; false when the file cannot be opened for
  // writing or `write` fails (what it put out so far is then in the file).
  static bool WriteFile(const std::u16string& path, const std::function<bool(Utf16Output&)>& write);
};

}  // namespace helper
