// hostsim::Settings::Load on an arbitrary settings.ini. A file that loads is either refused
// with a ProjectError or gives settings that save, load again and save the same.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "fuzz/ScratchFile.h"
#include "hostsim/ProjectError.h"
#include "hostsim/Settings.h"

namespace {

std::string Saved(const hostsim::Settings& settings, const std::filesystem::path& file) {
  settings.Save(file);
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::ScratchFile input("settings.ini");
  static const fuzz::ScratchFile output("saved.ini");
  input.Write(data, size);
  try {
    const hostsim::Settings settings = hostsim::Settings::Load(input.path());
    // What the host asks of a project's settings.
    settings.CompanyId();
    settings.Language();
    settings.MaxArray();
    settings.MaxTags();
    settings.RealDatabaseSize();
    settings.IsScpTag(u"Level");
    settings.IsIntegrationCreated(u"Level");
    const std::string once = Saved(settings, output.path());
    if (Saved(hostsim::Settings::Load(output.path()), output.path()) != once) __builtin_trap();
  } catch (const hostsim::ProjectError&) {
  }
  return 0;
}
