#pragma once
// A fresh folder, removed with everything in it when the object goes.

#include <filesystem>
#include <string>

namespace support {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Root() const { return path_; }
  std::filesystem::path Path(const std::string& name) const { return path_ / name; }
  std::u16string WidePath(const std::string& name) const { return Path(name).u16string(); }

  void WriteBytes(const std::string& name, const std::string& bytes) const;
  std::string ReadBytes(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

// The whole content of a file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& file);

}  // namespace support
