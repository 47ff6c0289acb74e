#include "DiagnosticLog.h"

#include <spdlog/sinks/basic_file_sink.h>
#include <spdlog/spdlog.h>

namespace helper {

namespace {

constexpr const char* kLoggerName = "diagnostic";

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

bool DiagnosticLog::OpenFile(const std::string& path) {
  Close();
  try {
    auto logger = spdlog::basic_logger_mt(kLoggerName, path);
    logger->set_pattern("%Y-%m-%d %H:%M:%S.%e [%l] %v (%s:%# %!)");
    // Lines are rare and must survive a crash that follows them.
    logger->flush_on(spdlog::level::trace);
    return true;
  } catch (const spdlog::spdlog_ex&) {
    return false;
  }
}

void DiagnosticLog::Close() { spdlog::drop(kLoggerName); }

void DiagnosticLog::Error(const char* function, std::string_view message, std::source_location caller) {
  const std::shared_ptr<spdlog::logger> logger = spdlog::get(kLoggerName);
  if (!logger) {
    return;
  }
  logger->log(spdlog::source_loc{caller.file_name(), static_cast<int>(caller.line()), function},
              spdlog::level::err, message);
}

std::string DiagnosticLog::ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    AppendUtf8(out, c);
  }
  return out;
}

}  // namespace helper
