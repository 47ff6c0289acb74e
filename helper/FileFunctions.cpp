#include "FileFunctions.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <memory>
#include <new>
#include <string_view>
#include <io.h>
#include <tchar.h>

#include "DiagnosticLog.h"
#include "TextDecoder.h"

namespace helper {

namespace {

constexpr const char* kReadFile = "helper::FileFunctions::ReadFile";

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<FILE, FileCloser>;

static_assert(std::endian::native == std::endian::little, "UTF-16LE is this machine's layout of code units");

// The size of an open file, read position back at the start; negative when
// it cannot be taken.
long SizeOf(FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) {
    return -1;
  }
  const long size = std::ftell(file);
  return std::fseek(file, 0, SEEK_SET) == 0 ? size : -1;
}

// A UTF-16 file goes straight into the text, block by block, without a
// second copy of the whole file. Reading goes on past a NUL, so that a read
// failure is noticed wherever it happens.
bool ReadUtf16(FILE* file, std::size_t size, std::u16string& text) {
  char mark[2];
  if (std::fread(mark, 1, sizeof mark, file) != sizeof mark) {
    return false;
  }
  text.reserve((size - 2) / 2);
  constexpr std::size_t kBlockUnits = 32768;
  const auto block = std::make_unique_for_overwrite<char16_t[]>(kBlockUnits);
  bool appending = true;
  for (std::size_t left = (size - 2) / 2; left > 0;) {
    const std::size_t units = std::min(left, kBlockUnits);
    if (std::fread(block.get(), sizeof(char16_t), units, file) != units) {
      return false;
    }
    appending = appending && TextDecoder::AppendUntilNul(block.get(), units, text);
    left -= units;
  }
  return true;
}

// The C runtime's wide file functions take UTF-16 units of its own character type.
template <class Char>
FILE* CallOpen(FILE* (*open)(const Char*, const Char*), const std::u16string& path, const char16_t* mode) {
  static_assert(sizeof(Char) == sizeof(char16_t), "wide file names are UTF-16");
  return open(reinterpret_cast<const Char*>(path.c_str()), reinterpret_cast<const Char*>(mode));
}

FILE* OpenFile(const std::u16string& path, const char16_t* mode) { return CallOpen(_wfopen, path, mode); }

// Units go to the file a block at a time: a text of any size is written
// through the same few hundred kilobytes.
class FileOutput final : public Utf16Output {
 public:
  explicit FileOutput(FILE* file) : FileOutput(file, std::make_unique_for_overwrite<Ch[]>(kBlock)) {}
  ~FileOutput() { Flush(); }

 protected:
  void Deliver(const Ch* units, std::size_t count) override { std::fwrite(units, sizeof(Ch), count, file_); }

 private:
  static constexpr std::size_t kBlock = 128 * 1024;
  FileOutput(FILE* file, std::unique_ptr<Ch[]> block)
      : Utf16Output(block.get(), kBlock), file_(file), block_(std::move(block)) {}
  FILE* file_;
  std::unique_ptr<Ch[]> block_;
};

bool ReadBytes(FILE* file, std::size_t size, std::u16string& text, TextEncoding& encoding) {
  const auto bytes = std::make_unique_for_overwrite<char[]>(size);
  if (std::fread(bytes.get(), 1, size, file) != size) {
    return false;
  }
  TextDecoder::Decode(std::string_view(bytes.get(), size), text, &encoding);
  return true;
}

}  // namespace

bool FileFunctions::FileExists(const std::u16string& path) {
  return FileHandle(OpenFile(path, u"rb")) != nullptr;
}

long FileFunctions::FileSize(const std::u16string& path) {
  const FileHandle file(OpenFile(path, u"rb"));
  return file ? SizeOf(file.get()) : -1;
}

bool FileFunctions::ReadFile(const std::u16string& path, std::u16string* text, TextEncoding* encoding) {
  if (text == nullptr) {
    return false;
  }
  text->clear();
  FileHandle file(OpenFile(path, u"rb"));
  if (!file) {
    return false;
  }
  const std::string where = DiagnosticLog::ToUtf8(path);
  const long size = SizeOf(file.get());
  char head[2] = {};
  const bool utf16 = size >= 0 && std::fread(head, 1, sizeof head, file.get()) == std::min<std::size_t>(size, 2) &&
                     TextDecoder::IsUtf16(std::string_view(head, sizeof head), static_cast<std::size_t>(size));
  if (utf16 && size % 2 != 0) {
    DiagnosticLog::Error(kReadFile, "Error to read file: " + where + ". Invalid unicode file => odd size");
    return false;
  }
  bool read = false;
  TextEncoding found = TextEncoding::Utf16Le;
  try {
    read = size >= 0 && std::fseek(file.get(), 0, SEEK_SET) == 0 &&
           (utf16 ? ReadUtf16(file.get(), static_cast<std::size_t>(size), *text)
                  : ReadBytes(file.get(), static_cast<std::size_t>(size), *text, found));
  } catch (const std::bad_alloc&) {
    read = false;
  }
  if (!read) {
    text->clear();
    DiagnosticLog::Error(kReadFile, "Error to read file: " + where);
  } else if (encoding != nullptr) {
    *encoding = found;
  }
  return read;
}

bool FileFunctions::WriteFile(const std::u16string& path, const std::u16string& text) {
  return WriteFile(path, [&text](Utf16Output& output) {
    output.Append(text.data(), TextDecoder::LengthUntilNul(text.data(), text.size()));
    return true;
  });
}

bool FileFunctions::WriteFile(const std::u16string& path, const std::function<bool(Utf16Output&)>& write) {
  // A file that exists is written over and then cut to its new length: its blocks are used
  // again instead of being freed and found anew, which costs the system more than the writing.
  FileHandle file(OpenFile(path, u"r+b"));
  const bool existed = file != nullptr;
  if (!existed) {
    file.reset(OpenFile(path, u"wb"));
  }
  if (!file) {
    return false;
  }
  static constexpr unsigned char kMark[2] = {0xFF, 0xFE};
  std::fwrite(kMark, 1, sizeof kMark, file.get());
  bool written = false;
  {
    FileOutput output(file.get());
    written = write(output);
  }
  if (existed && std::fflush(file.get()) == 0) {
    _chsize(_fileno(file.get()), std::ftell(file.get()));
  }
  return written;
}

}  // namespace helper
