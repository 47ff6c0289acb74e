#include "ReadFailure.h"

#include <utility>

#include "Utf8Conversion.h"

namespace data {

namespace {

thread_local ReadFailure::Scope* current = nullptr;

std::string Quoted(const char16_t* key) { return "\"" + platform::Utf16ToUtf8(key) + "\""; }

}  // namespace

ReadFailure::Scope::Scope(std::string file) : outer_(current), file_(std::move(file)) { current = this; }

ReadFailure::Scope::~Scope() { current = outer_; }

ReadFailure::Record::Record(const char16_t* key) : Record(key, Scope::kNoIndex) {}

ReadFailure::Record::Record(const char16_t* key, std::size_t index) {
  if (current != nullptr) {
    current->path_.push_back({key, index});
  }
}

ReadFailure::Record::~Record() {
  if (current != nullptr) {
    current->path_.pop_back();
  }
}

bool ReadFailure::Report(const char16_t* key, std::string_view reason) {
  if (current == nullptr || current->Failed()) {
    return false;
  }
  std::string where;
  for (const Scope::Segment& segment : current->path_) {
    if (!where.empty()) {
      where += '.';
    }
    where += platform::Utf16ToUtf8(segment.key);
    if (segment.index != Scope::kNoIndex) {
      where += "[" + std::to_string(segment.index) + "]";
    }
  }
  if (key != nullptr) {
    where += (where.empty() ? "" : " ") + Quoted(key);
  }
  current->text_ = current->file_ + ": " + (where.empty() ? "" : where + ": ") + std::string(reason);
  return false;
}

bool ReadFailure::ReportFile(std::string_view reason) {
  if (current == nullptr || current->Failed()) {
    return false;
  }
  current->text_ = current->file_ + ": " + std::string(reason);
  return false;
}

}  // namespace data
