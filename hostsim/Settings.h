#pragma once
// The project's host settings (settings.ini): sections of key=value lines. Sections and keys are
// matched ignoring case. Known settings, with their defaults:
//   [OEM]         CompanyID=0
//   [Language]    Current=en-US
//   [Limits]      MaxArray=1000  MaxTags=10000  RealDatabaseSize=(absent: counted from the tags)
//   [Project]     WindowsCE=0
//   [SCP]         Enabled=0  Tags=(comma-separated tag names that come from the SCP source)
//   [Integration] Enabled=0  CreatedTags=(comma-separated tag names already created on the platform)

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hostsim {

class Settings {
 public:
  // A missing file gives the defaults; a file that cannot be read or parsed, or a known number
  // setting that is not a number, throws ProjectError.
  static Settings Load(const std::filesystem::path& file);
  // Every known setting at its default, as a new project writes them.
  static Settings Defaults();
  void Save(const std::filesystem::path& file) const;

  std::optional<std::string> Get(const std::string& section, const std::string& key) const;
  void Set(const std::string& section, const std::string& key, const std::string& value);
  // The default when the setting is absent or is not a whole number.
  long GetInt(const std::string& section, const std::string& key, long defaultValue) const;
  void SetInt(const std::string& section, const std::string& key, long value);

  int CompanyId() const;
  std::u16string Language() const;
  int MaxArray() const;
  int MaxTags() const;
  std::optional<int> RealDatabaseSize() const;
  bool WindowsCE() const;
  bool ScpEnabled() const;
  std::vector<std::u16string> ScpTags() const;
  bool IntegrationEnabled() const;
  std::vector<std::u16string> IntegrationCreatedTags() const;
  // Whether the name (ignoring case) is among ScpTags() / IntegrationCreatedTags().
  bool IsScpTag(std::u16string_view name) const;
  bool IsIntegrationCreated(std::u16string_view name) const;

  static std::string JoinNames(const std::vector<std::u16string>& names);

 private:
  struct Entry {
    std::string section;
    std::string key;
    std::string value;
  };
  Entry* Find(const std::string& section, const std::string& key);
  const Entry* Find(const std::string& section, const std::string& key) const;
  std::vector<std::u16string> GetNames(const std::string& section, const std::string& key) const;

  std::vector<Entry> entries_;
};

}  // namespace hostsim
