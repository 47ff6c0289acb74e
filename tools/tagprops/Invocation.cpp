#include "tools/tagprops/Invocation.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <system_error>

#include "hostsim/DemoProject.h"
#include "helper/DiagnosticLog.h"
#include "hostsim/Host.h"
#include "tools/tagprops/CommandError.h"

namespace tagprops {
namespace {

struct Option {
  std::string_view name;
  std::string_view value;  // empty for a switch
  std::string_view help;
  void (*apply)(Invocation& invocation, const std::string& value);
};

const Option kOptions[] = {
    {"--project", "DIR", "the project folder (default: the demo project in the user's data folder)",
     [](Invocation& inv, const std::string& value) { inv.project = value; }},
    {"--lang", "CODE", "the host's current language, e.g. de-DE (default: the project's)",
     [](Invocation& inv, const std::string& value) { inv.language = value; }},
    {"--script", "FILE", "work the sheet or dialog with this script instead of a person",
     [](Invocation& inv, const std::string& value) { inv.script = value; }},
    {"--log", "FILE", "write the diagnostic log to FILE (default: diagnostic.log in the project folder, made "
                      "when there is something to log)",
     [](Invocation& inv, const std::string& value) { inv.log = value; }},
    {"--verbose", "", "report the tag-list commits and the messages posted to the runtime's tasks",
     [](Invocation& inv, const std::string&) { inv.verbose = true; }},
    {"--help", "", "show this help", [](Invocation& inv, const std::string&) { inv.help = true; }},
};

}  // namespace

Invocation Invocation::Parse(int argc, const char* const* argv) {
  Invocation invocation;
  int i = 1;
  for (; i < argc && invocation.command.empty(); ++i) {
    const std::string_view word = argv[i];
    if (!word.starts_with("-")) {
      invocation.command = word;
      break;
    }
    const auto eq = word.find('=');
    const std::string_view name = word.substr(0, eq);
    const Option* option = nullptr;
    for (const auto& o : kOptions) {
      if (o.name == name) option = &o;
    }
    if (option == nullptr) throw UsageError("unknown option " + std::string(name));
    std::string value;
    if (!option->value.empty()) {
      if (eq != std::string_view::npos) {
        value = word.substr(eq + 1);
      } else if (i + 1 < argc) {
        value = argv[++i];
      } else {
        throw UsageError("option " + std::string(name) + " needs " + std::string(option->value));
      }
    } else if (eq != std::string_view::npos) {
      throw UsageError("option " + std::string(name) + " takes no value");
    }
    option->apply(invocation, value);
  }
  for (++i; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--help") {
      invocation.help = true;
    } else {
      invocation.arguments.emplace_back(argv[i]);
    }
  }
  if (invocation.command.empty() && !invocation.help) throw UsageError("no command given");
  return invocation;
}

std::string Invocation::OptionsHelp() {
  std::string help;
  for (const auto& o : kOptions) {
    std::string left = "  " + std::string(o.name) + (o.value.empty() ? "" : " " + std::string(o.value));
    left.resize(std::max<std::size_t>(left.size() + 2, 20), ' ');
    help += left + std::string(o.help) + "\n";
  }
  return help;
}

std::filesystem::path Invocation::DefaultProjectFolder() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome != nullptr && *dataHome != '\0') return std::filesystem::path(dataHome) / "tagprops" / "demo";
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') throw CommandError("neither XDG_DATA_HOME nor HOME is set");
  return std::filesystem::path(home) / ".local" / "share" / "tagprops" / "demo";
}

void Invocation::OpenLog() const {
  if (log && !helper::DiagnosticLog::OpenFile(log->string())) {
    throw CommandError("cannot write the diagnostic log " + log->string());
  }
}

void Invocation::OpenProject() const {
  auto& host = hostsim::Host::Instance();
  if (project) {
    host.OpenProject(*project);
  } else {
    const auto folder = DefaultProjectFolder();
    std::error_code ec;
    if (!std::filesystem::exists(folder / "project.db", ec)) hostsim::DemoProject::Write(folder);
    host.OpenProject(folder);
  }
  if (!log) helper::DiagnosticLog::OpenFileOnFirstLine((host.Folder() / kDefaultLogName).string());
  if (language) host.ProjectSettings().Set("Language", "Current", *language);
}

}  // namespace tagprops
