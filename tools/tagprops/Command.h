#pragma once
// One command of tagprops: its name, what it takes, a line of help and what it runs. A new command
// is one more row in Commands().

#include <string_view>
#include <vector>

namespace tagprops {

class Invocation;

struct Command {
  std::string_view name;
  // Arguments as the help shows them, e.g. "TAG"; the count of words here is the count required.
  std::string_view arguments;
  std::string_view summary;
  // False for commands that make their own project (init).
  bool opensProject;
  // The exit code: 0 done, 1 failed. Failures are thrown as hostsim::ProjectError or CommandError.
  int (*run)(const Invocation& invocation);
};

const std::vector<Command>& Commands();
const Command* FindCommand(std::string_view name);

}  // namespace tagprops
