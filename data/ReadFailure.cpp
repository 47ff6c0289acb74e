#include "ReadFailure.h"

#include <utility>

#include "Utf8Conversion.h"

namespace data {

namespace {

thread_local ReadFailure::Scope* current = nullptr;

// Built by appending: gcc 12 warns falsely (-Wrestrict) on a literal prepended to a string.
std::string Quoted(const char16_t* key) {
  std::string quoted(1, '"');
  quoted.append(platform::Utf16ToUtf8(key)).push_back('"');
  return quoted;
}

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
      where.append(1, '[').append(std::to_string(segment.index)).push_back(']');
    }
  }
  if (key != nullptr) {
    if (!where.empty()) {
      where += ' ';
    }
    where += Quoted(key);
  }
  std::string text = current->file_;
  text.append(": ");
  if (!where.empty()) {
    text.append(where).append(": ");
  }
  current->text_ = text.append(reason);
  return false;
}

bool ReadFailure::ReportFile(std::string_view reason) {
  if (current == nullptr || current->Failed()) {
    return false;
  }
  current->text_ = current->file_;
  current->text_.append(": ").append(reason);
  return false;
}

}  // namespace data
