#pragma once
// The built plug-in (or a copy of it), loaded as a host loads it and unloaded at the end.

#include <filesystem>
#include <string>

#include "app/Exports.h"
#include "platform/win32/WinTypes.h"

namespace support {

class LoadedPlugIn {
 public:
  explicit LoadedPlugIn(const std::filesystem::path& path = BuiltPath());
  ~LoadedPlugIn();
  LoadedPlugIn(const LoadedPlugIn&) = delete;
  LoadedPlugIn& operator=(const LoadedPlugIn&) = delete;

  // The plug-in in the build's output folder.
  static std::filesystem::path BuiltPath();

  bool Loaded() const { return m_module != nullptr; }
  BOOL TagProperties(const std::u16string& name) const;
  BOOL EditTagProperties(const std::u16string& name) const;
  BOOL CanEditTagProperties(const std::u16string& name) const;
  void SetLanguage(LPCWSTR code) const;

 private:
  FARPROC Export(const char* name) const;

  HMODULE m_module;
};

}  // namespace support
