#pragma once
// Runs a script (Script.h) as the person in front of the dialogs that an action opens:
//   driver::ScriptOutcome outcome = driver::ScriptRunner::RunFile(path, [&] { DBTagProperties(name); });
//   if (!outcome.passed) { std::cerr << outcome.Message() << '\n'; return 1; }
// The lines run in order against the window in front; a dialog opened by an action takes the
// lines that follow until it closes. expect-box lines before the first action are announced
// before the dialog opens. The first failed check, unexpected or mismatched box or
// impossible action stops the script and cancels the open windows; so does a script that
// ends with a window open. A box announced but never shown, and lines left over when no
// dialog is open, fail it too.

#include <functional>
#include <string>
#include <vector>

#include "Script.h"
#include "ScriptedUser.h"

namespace driver {

struct ScriptOutcome {
  bool passed = true;
  std::string file;
  int line = 0;
  std::string reason;

  // "file:line: reason", or "file: passed".
  std::string Message() const;
};

class ScriptRunner : public ScriptedUser {
 public:
  ScriptRunner(std::string name, Script script);

  // Runs the action with this script as the front end (the previous one is restored after).
  ScriptOutcome Run(const std::function<void()>& action);

  static ScriptOutcome RunFile(const std::string& path, const std::function<void()>& action);
  static ScriptOutcome RunText(std::string_view text, const std::string& name, const std::function<void()>& action);

 protected:
  void Drive(Driver& driver) override;
  Location Locate(const Where&) const override { return m_current; }
  void ReportLeftovers() override;

 private:
  void Execute(const ScriptLine& line, Driver& driver);
  // Announces the box of an expect-box line; false for any other line.
  bool Announce(const ScriptLine& line);
  void Check(const ScriptLine& line, Driver& driver);
  [[noreturn]] void CheckFailed(const std::string& reason);

  std::string m_name;
  Script m_script;
  size_t m_next = 0;
};

}  // namespace driver
