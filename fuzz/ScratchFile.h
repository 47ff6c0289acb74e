#pragma once
// A file of the fuzz target's own, in a folder made once per process (in memory where the
// system offers it), that each input is written to before a reader that takes a path opens it. The folder goes
// when the process ends.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace fuzz {

class ScratchFile {
 public:
  explicit ScratchFile(const std::string& name);
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  const std::filesystem::path& path() const { return path_; }
  const std::filesystem::path& folder() const { return folder_; }
  void Write(const std::uint8_t* data, std::size_t size) const;

 private:
  std::filesystem::path folder_;
  std::filesystem::path path_;
};

}  // namespace fuzz
