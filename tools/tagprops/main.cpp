// tagprops, the host program: runs one command on a project of the stand-in host.

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

#include "hostsim/ProjectError.h"
#include "tools/tagprops/Command.h"
#include "tools/tagprops/CommandError.h"
#include "tools/tagprops/Invocation.h"

namespace {

std::size_t WordCount(std::string_view text) {
  std::size_t words = 0;
  bool inWord = false;
  for (const char c : text) {
    if (c != ' ' && !inWord) ++words;
    inWord = c != ' ';
  }
  return words;
}

std::string Help() {
  std::string help = "usage: tagprops [OPTIONS] COMMAND [ARGUMENTS]\n\ncommands:\n";
  for (const auto& c : tagprops::Commands()) {
    std::string left = "  " + std::string(c.name) + (c.arguments.empty() ? "" : " " + std::string(c.arguments));
    left.resize(std::max<std::size_t>(left.size() + 2, 20), ' ');
    help += left + std::string(c.summary) + "\n";
  }
  return help + "\noptions:\n" + tagprops::Invocation::OptionsHelp();
}

int Fail(const std::string& message, int code) {
  std::fprintf(stderr, "tagprops: %s\n", message.c_str());
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const auto invocation = tagprops::Invocation::Parse(argc, argv);
    if (invocation.help) {
      std::fputs(Help().c_str(), stdout);
      return 0;
    }
    const tagprops::Command* command = tagprops::FindCommand(invocation.command);
    if (command == nullptr) throw tagprops::UsageError("unknown command " + invocation.command);
    if (invocation.arguments.size() != WordCount(command->arguments)) {
      throw tagprops::UsageError("usage: tagprops " + std::string(command->name) +
                                 (command->arguments.empty() ? "" : " " + std::string(command->arguments)));
    }
    invocation.OpenLog();
    if (command->opensProject) invocation.OpenProject();
    return command->run(invocation);
  } catch (const tagprops::UsageError& e) {
    return Fail(std::string(e.what()) + " (see tagprops --help)", 2);
  } catch (const std::exception& e) {
    return Fail(e.what(), 1);
  }
}
