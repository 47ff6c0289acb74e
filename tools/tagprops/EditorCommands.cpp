#include "tools/tagprops/EditorCommands.h"

#include <unistd.h>

#include <cstdio>
#include <string>

#include "host/Orvik.h"
#include "hostsim/Host.h"
#include "platform/driver/ScriptRunner.h"
#include "platform/terminal/CursesScreen.h"
#include "platform/terminal/TerminalFrontEnd.h"
#include "platform/win32/TextConversion.h"
#include "tools/tagprops/CommandError.h"
#include "tools/tagprops/Invocation.h"
#include "tools/tagprops/PlugIn.h"

namespace tagprops {
namespace {

// What the plug-in did to the host during one call, for --verbose.
class HostActivity {
 public:
  HostActivity()
      : m_tagListModified(hostsim::Host::Instance().TagListModifiedCount()),
        m_messages(hostsim::Host::Instance().Messages().size()) {}

  void Report() const {
    const auto& host = hostsim::Host::Instance();
    std::printf("DBSaveTagLModified: %d call(s)\n", host.TagListModifiedCount() - m_tagListModified);
    const auto& messages = host.Messages();
    for (std::size_t i = m_messages; i < messages.size(); ++i) {
      std::printf("posted to %s: message 0x%X (%u, %u)\n", platform::Utf16ToUtf8(messages[i].task).c_str(),
                  messages[i].message, messages[i].first, messages[i].second);
    }
  }

 private:
  int m_tagListModified;
  std::size_t m_messages;
};

// Calls the export with the tag name; a modal window it opens is worked by the script, or by
// the person at the terminal.
BOOL CallModal(const Invocation& invocation, TAGPROPERTIESPROC export_) {
  const std::u16string name = platform::Utf8ToUtf16(invocation.arguments[0]);
  BOOL result = FALSE;
  if (!invocation.script) {
    if (!isatty(STDIN_FILENO)) {
      throw CommandError(invocation.command + " needs --script FILE or a terminal on standard input");
    }
    terminal::CursesScreen screen;
    const terminal::TerminalFrontEnd frontEnd(screen);
    return export_(name.c_str());
  }
  const driver::ScriptOutcome outcome =
      driver::ScriptRunner::RunFile(invocation.script->string(), [&] { result = export_(name.c_str()); });
  if (!outcome.passed) {
    // Line 0: the script as a whole (it could not be read).
    throw CommandError(outcome.line > 0 ? outcome.Message() : outcome.file + ": " + outcome.reason);
  }
  return result;
}

}  // namespace

int RunSheet(const Invocation& invocation) {
  PlugIn plugIn;
  const HostActivity activity;
  const BOOL shown = CallModal(invocation, plugIn.DBTagProperties());
  if (invocation.verbose) activity.Report();
  if (!shown) {
    throw CommandError("no sheet for " + invocation.arguments[0] + ": no such tag, or a class-typed tag as a whole");
  }
  return 0;
}

int RunEdit(const Invocation& invocation) {
  VarRef ref{};
  const std::u16string name = platform::Utf8ToUtf16(invocation.arguments[0]);
  if (!DBGetVar(&ref, name.c_str())) throw CommandError("no tag named " + invocation.arguments[0]);
  PlugIn plugIn;
  const HostActivity activity;
  const BOOL accepted = CallModal(invocation, plugIn.DBEditTagProperties());
  if (invocation.verbose) activity.Report();
  std::puts(accepted ? "ok" : "cancelled");
  return 0;
}

int RunCanEdit(const Invocation& invocation) {
  PlugIn plugIn;
  const std::u16string name = platform::Utf8ToUtf16(invocation.arguments[0]);
  const BOOL editable = plugIn.DBCanEditTagProperties()(name.c_str());
  std::printf("%d\n", editable ? 1 : 0);
  return editable ? 0 : 1;
}

}  // namespace tagprops
