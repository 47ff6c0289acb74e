#pragma once
// The process's diagnostic log. The host program decides where it goes; until
// it does, every line is dropped. The logger lives in spdlog's registry, which
// the host program and the plug-in share.

#include <source_location>
#include <string>
#include <string_view>

namespace helper {

class DiagnosticLog {
 public:
  // Appends the lines to a file (UTF-8 path); false when it cannot be opened.
  static bool OpenFile(const std::string& path);
  // As OpenFile, but the file is made or opened with the first line: a run
  // that has nothing to say leaves no file. A file that cannot be opened then
  // drops the lines.
  static void OpenFileOnFirstLine(const std::string& path);
  static void Close();

  // `function` is the qualified name the line carries, e.g. "helper::FileFunctions::ReadFile";
  // the source file and line are the caller's.
  static void Error(const char* function, std::string_view message,
                    std::source_location caller = std::source_location::current());

  // Log text and file names as the log writes them: a lone surrogate becomes U+FFFD.
  static std::string ToUtf8(std::u16string_view text);
};

}  // namespace helper
