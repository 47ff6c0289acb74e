#include "tests/support/TempProject.h"

namespace support {

TempProject::TempProject() : TempProject(Options{}) {}

TempProject::TempProject(Options options) {
  host().CreateProject(Folder(), options.settings);
  if (options.standardTags) {
    host().AddSystemTag(u"Second", 1);
    host().AddSystemTag(u"Date", 3);
    host().AddSoftPlcTag(u"PlcStatus", 1);
  }
}

TempProject::~TempProject() {
  if (host().Folder() == Folder()) host().CloseProject();
}

void TempProject::SetSetting(const std::string& section, const std::string& key, const std::string& value) {
  host().ProjectSettings().Set(section, key, value);
  host().SaveSettings();
}

}  // namespace support
