#include "DiagnosticLog.h"

#include <spdlog/details/file_helper.h>
#include <spdlog/sinks/base_sink.h>
#include <spdlog/sinks/basic_file_sink.h>
#include <spdlog/spdlog.h>

#include <mutex>

#include "Utf8Conversion.h"

namespace helper {

namespace {

constexpr const char* kLoggerName = "diagnostic";

// A file sink that opens its file when the first line arrives.
class FirstLineFileSink : public spdlog::sinks::base_sink<std::mutex> {
 public:
  explicit FirstLineFileSink(std::string path) : path_(std::move(path)) {}

 protected:
  void sink_it_(const spdlog::details::log_msg& message) override {
    if (!Open()) {
      return;
    }
    spdlog::memory_buf_t line;
    formatter_->format(message, line);
    file_.write(line);
  }
  void flush_() override {
    if (opened_) {
      file_.flush();
    }
  }

 private:
  bool Open() {
    if (!opened_ && !failed_) {
      try {
        file_.open(path_);
        opened_ = true;
      } catch (const spdlog::spdlog_ex&) {
        failed_ = true;
      }
    }
    return opened_;
  }

  std::string path_;
  spdlog::details::file_helper file_;
  bool opened_ = false;
  bool failed_ = false;
};

void Register(std::shared_ptr<spdlog::logger> logger) {
  logger->set_pattern("%Y-%m-%d %H:%M:%S.%e [%l] %v (%s:%# %!)");
  // Lines are rare and must survive a crash that follows them.
  logger->flush_on(spdlog::level::trace);
  spdlog::register_logger(std::move(logger));
}

}  // namespace

bool DiagnosticLog::OpenFile(const std::string& path) {
  Close();
  try {
    Register(std::make_shared<spdlog::logger>(kLoggerName,
                                              std::make_shared<spdlog::sinks::basic_file_sink_mt>(path)));
    return true;
  } catch (const spdlog::spdlog_ex&) {
    return false;
  }
}

void DiagnosticLog::OpenFileOnFirstLine(const std::string& path) {
  Close();
  Register(std::make_shared<spdlog::logger>(kLoggerName, std::make_shared<FirstLineFileSink>(path)));
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
