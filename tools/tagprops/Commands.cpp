#include <cstdio>
#include <iostream>

#include "hostsim/DemoProject.h"
#include "hostsim/Host.h"
#include "platform/win32/TextConversion.h"
#include "tools/tagprops/Command.h"
#include "tools/tagprops/CommandError.h"
#include "tools/tagprops/EditorCommands.h"
#include "tools/tagprops/IntegrationCheck.h"
#include "tools/tagprops/Invocation.h"
#include "tools/tagprops/TagList.h"
#include "tools/tagprops/TagReport.h"

namespace tagprops {
namespace {

void Print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

int Init(const Invocation& invocation) {
  hostsim::DemoProject::Write(invocation.arguments[0]);
  Print("created the demo project in " + invocation.arguments[0] + "\n");
  return 0;
}

int List(const Invocation&) {
  Print(TagList::Format(hostsim::Host::Instance().Database()));
  return 0;
}

int Show(const Invocation& invocation) {
  auto& host = hostsim::Host::Instance();
  const std::u16string name = platform::Utf8ToUtf16(invocation.arguments[0]);
  VarRef ref{};
  if (!host.Database().Resolve(name, ref)) throw CommandError("no tag named " + invocation.arguments[0]);
  const hostsim::Tag& tag = host.Database().Loaded(*host.Database().TagOf(ref));
  Print(TagReport::Format(host.Database(), host.ProjectSettings(), tag, ref.GetMember(), host.Messages()));
  return 0;
}

const std::vector<Command> kCommands = {
    {"init", "DIR", "write the demo project into DIR", false, Init},
    {"list", "", "list the tags: number, kind, type, array size, name", true, List},
    {"show", "TAG", "show the whole stored configuration of TAG (Name, Name.Member)", true, Show},
    {"sheet", "TAG", "open the property sheet of TAG", true, RunSheet},
    {"edit", "TAG", "open the tag properties dialog of TAG", true, RunEdit},
    {"check-integration", "", "load the project's tagl.json and class.json: what they hold, or the first fault",
     true, RunCheckIntegration},
    {"can-edit", "TAG", "print 1 and exit 0 when TAG may be edited, else print 0 and exit 1", true, RunCanEdit},
};

}  // namespace

const std::vector<Command>& Commands() { return kCommands; }

const Command* FindCommand(std::string_view name) {
  for (const auto& c : kCommands) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

}  // namespace tagprops
