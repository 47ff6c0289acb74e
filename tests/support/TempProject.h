#pragma once
// A project in a fresh temporary folder, open in the process's Host for the object's lifetime and
// removed afterwards. By default it holds the standard tags: system tags "Second" (Integer) and
// "Date" (String), then the SoftPLC tag "PlcStatus" (Integer), so user tags start at number 4.
//
//   support::TempProject project;
//   project.host().AddTag(u"Tank", 1, 10);
//   ... run the page ...
//   project.Reopen();   // what was committed, and nothing else

#include <filesystem>
#include <string>

#include "hostsim/Host.h"
#include "hostsim/Settings.h"
#include "tests/support/TempFolder.h"

namespace support {

class TempProject {
 public:
  static constexpr int kSystemTags = 2;
  static constexpr int kSoftPlcTags = 1;
  static constexpr WORD kFirstUserTag = kSystemTags + kSoftPlcTags + 1;

  struct Options {
    bool standardTags = true;
    hostsim::Settings settings = hostsim::Settings::Defaults();
  };

  TempProject();
  explicit TempProject(Options options);
  ~TempProject();

  hostsim::Host& host() { return hostsim::Host::Instance(); }
  const std::filesystem::path& Folder() const { return folder_.Root(); }
  void Reopen() { host().Reopen(); }
  // Changes one setting and writes settings.ini.
  void SetSetting(const std::string& section, const std::string& key, const std::string& value);

 private:
  TempFolder folder_;
};

}  // namespace support
