// driver::Script::Parse on arbitrary text, as a user's script file may hold. Each line that
// parses must parse alone, from the source it keeps for messages, to the same line.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/driver/Script.h"

namespace {

bool Same(const driver::ScriptLine& a, const driver::ScriptLine& b) {
  return a.op == b.op && a.what == b.what && a.id == b.id && a.text == b.text && a.key == b.key;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  driver::Script script;
  int errorLine = 0;
  std::string error;
  if (!driver::Script::Parse(text, script, errorLine, error)) {
    if (errorLine < 1 || error.empty()) __builtin_trap();
    return 0;
  }
  for (const driver::ScriptLine& line : script.lines) {
    driver::Script alone;
    if (!driver::Script::Parse(line.source, alone, errorLine, error) || alone.lines.size() != 1 ||
        !Same(alone.lines[0], line)) {
      __builtin_trap();
    }
  }
  return 0;
}
