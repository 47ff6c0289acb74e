#include "fuzz/ScratchFile.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

ScratchFile::ScratchFile(const std::string& name) {
  std::error_code ec;
  const std::filesystem::path base =
      std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
  folder_ = base / ("tagprops-fuzz-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder_);
  path_ = folder_ / name;
}

ScratchFile::~ScratchFile() {
  std::error_code ec;
  std::filesystem::remove_all(folder_, ec);
}

void ScratchFile::Write(const std::uint8_t* data, std::size_t size) const {
  std::FILE* file = std::fopen(path_.c_str(), "wb");
  if (file == nullptr || (size > 0 && std::fwrite(data, 1, size, file) != size) || std::fclose(file) != 0) {
    std::perror(path_.c_str());
    std::abort();
  }
}

}  // namespace fuzz
