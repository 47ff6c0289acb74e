#pragma once
// The parsed command line of tagprops: global options, the command and its arguments. A new global
// option is one more row in the option table of Invocation.cpp and one member here.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tagprops {

class Invocation {
 public:
  // Throws UsageError for an unknown option, a missing option value or a missing command.
  static Invocation Parse(int argc, const char* const* argv);
  static std::string OptionsHelp();

  bool help = false;
  std::optional<std::filesystem::path> project;
  // The host's current language while the command runs (the project's setting is not changed).
  std::optional<std::string> language;
  // The script that works the modal sheet or dialog instead of a person.
  std::optional<std::filesystem::path> script;
  // Where the diagnostic log goes instead of the project folder's kDefaultLogName.
  std::optional<std::filesystem::path> log;
  bool verbose = false;
  std::string command;
  std::vector<std::string> arguments;

  static constexpr const char* kDefaultLogName = "diagnostic.log";

  // Opens --log at once; throws CommandError when it cannot be written.
  void OpenLog() const;
  // Opens --project, or the demo project in the user's data folder (made on first use). Without
  // --log, the diagnostic log goes to the project folder when there is something to log.
  void OpenProject() const;
  static std::filesystem::path DefaultProjectFolder();
};

}  // namespace tagprops
