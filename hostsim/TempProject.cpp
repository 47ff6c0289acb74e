#include "hostsim/TempProject.h"

#include <stdlib.h>

#include <string>
#include <system_error>

#include "hostsim/ProjectError.h"

namespace hostsim {

TempProject::TempProject() : TempProject(Options{}) {}

TempProject::TempProject(Options options) {
  std::string pattern = (std::filesystem::temp_directory_path() / "hostsim-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw ProjectError("cannot create a temporary project folder");
  folder_ = pattern;
  host().CreateProject(folder_, options.settings);
  if (options.standardTags) {
    host().AddSystemTag(u"Second", 1);
    host().AddSystemTag(u"Date", 3);
    host().AddSoftPlcTag(u"PlcStatus", 1);
  }
}

TempProject::~TempProject() {
  if (host().Folder() == folder_) host().CloseProject();
  std::error_code ec;
  std::filesystem::remove_all(folder_, ec);
}

void TempProject::SetSetting(const std::string& section, const std::string& key, const std::string& value) {
  host().ProjectSettings().Set(section, key, value);
  host().SaveSettings();
}

}  // namespace hostsim
