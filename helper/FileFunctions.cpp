#include "helper/FileFunctions.h"

#include <bit>
#include <cstdio>
#include <memory>
#include <new>

#include "helper/DiagnosticLog.h"
#include "helper/TextDecoder.h"
#include "platform/crt/WideFileOpen.h"

namespace helper {

namespace {

constexpr const char* kReadFile = "helper::FileFunctions::ReadFile";

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<FILE, FileCloser>;

static_assert(std::endian::native == std::endian::little, "UTF-16LE is this machine's layout of code units");

struct FileBytes {
  std::unique_ptr<char[]> data;
  std::size_t size = 0;
};

// The whole file; false when its size cannot be taken or its bytes read.
bool ReadAllBytes(FILE* file, FileBytes& bytes) {
  if (std::fseek(file, 0, SEEK_END) != 0) {
    return false;
  }
  const long size = std::ftell(file);
  if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0) {
    return false;
  }
  bytes.size = static_cast<std::size_t>(size);
  bytes.data.reset(new (std::nothrow) char[bytes.size]);
  return bytes.data != nullptr && std::fread(bytes.data.get(), 1, bytes.size, file) == bytes.size;
}

}  // namespace

bool FileFunctions::FileExists(const std::u16string& path) {
  return FileHandle(_wfopen(path.c_str(), u"rb")) != nullptr;
}

bool FileFunctions::ReadFile(const std::u16string& path, std::u16string* text) {
  if (text == nullptr) {
    return false;
  }
  text->clear();
  FileHandle file(_wfopen(path.c_str(), u"rb"));
  if (!file) {
    return false;
  }
  FileBytes bytes;
  if (!ReadAllBytes(file.get(), bytes)) {
    DiagnosticLog::Error(kReadFile, "Error to read file: " + DiagnosticLog::ToUtf8(path));
    return false;
  }
  file.reset();
  try {
    if (TextDecoder::Decode(std::string_view(bytes.data.get(), bytes.size), *text) == TextDecoder::Result::OddUtf16Size) {
      DiagnosticLog::Error(kReadFile,
                           "Error to read file: " + DiagnosticLog::ToUtf8(path) + ". Invalid unicode file => odd size");
      return false;
    }
  } catch (const std::bad_alloc&) {
    text->clear();
    DiagnosticLog::Error(kReadFile, "Error to read file: " + DiagnosticLog::ToUtf8(path));
    return false;
  }
  return true;
}

bool FileFunctions::WriteFile(const std::u16string& path, const std::u16string& text) {
  FileHandle file(_wfopen(path.c_str(), u"wb"));
  if (!file) {
    return false;
  }
  static constexpr unsigned char kMark[2] = {0xFF, 0xFE};
  std::fwrite(kMark, 1, sizeof kMark, file.get());
  const std::size_t length = std::u16string_view(text).find(u'\0');
  const std::size_t units = length == std::u16string_view::npos ? text.size() : length;
  std::fwrite(text.data(), sizeof(char16_t), units, file.get());
  return true;
}

}  // namespace helper
