#include "DiagnosticLog.h"

#include <spdlog/sinks/basic_file_sink.h>
#include <spdlog/spdlog.h>

#include "Utf8Conversion.h"

namespace helper {

namespace {

constexpr const char* kLoggerName = "diagnostic";

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

std::string DiagnosticLog::ToUtf8(std::u16string_view text) { return platform::Utf16ToUtf8(text); }

}  // namespace helper
