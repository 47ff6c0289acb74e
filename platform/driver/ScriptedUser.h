#pragma once
// The scripted user: the front end of tests. While it lives it is the platform's front end.
// Each modal loop that opens runs the next queued script; message boxes must have been
// announced, in order; anything else is a failure, collected for the test to report:
//
//   driver::ScriptedUser user;
//   user.OnModal([&](driver::Driver& d) {
//     d.SelectAll(IDC_TAG_SIZE);
//     d.Type(u"abc");
//     user.ExpectBox(u"Please enter an integer.");
//     d.Ok();
//     EXPECT_TRUE(d.Focused(IDC_TAG_SIZE));
//     d.Cancel();
//   });
//   dialog.DoModal();
//   for (const auto& failure : user.Finish()) ADD_FAILURE() << failure.message;
//
// (UserTest.h has a fixture that does the last line.) A script that ends with its window
// still open fails, and the window is cancelled; so is a window that opens with no script.
// A dialog opened from a dialog runs the next script while the first one waits.

#include <deque>
#include <functional>
#include <optional>
#include <source_location>
#include <string>
#include <vector>

#include "Driver.h"
#include "../win32/FrontEnd.h"

namespace driver {

struct Failure {
  std::string file;
  int line = 0;
  std::string message;
};

// Thrown through a script to stop it; the scripted user catches it around the script.
struct ScriptStopped {};

struct ShownBox {
  std::u16string text;
  std::u16string caption;
  UINT type = 0;
};

class ScriptedUser : public platform::FrontEnd {
 public:
  using Where = std::source_location;

  ScriptedUser();
  ~ScriptedUser() override;
  ScriptedUser(const ScriptedUser&) = delete;
  ScriptedUser& operator=(const ScriptedUser&) = delete;

  // Queues what the person does in the next modal loop.
  void OnModal(std::function<void(Driver&)> script, Where where = Where::current());
  // Announces the next message box: exactly this text, or any. It is answered OK.
  void ExpectBox(std::u16string text, Where where = Where::current());
  void ExpectAnyBox(Where where = Where::current());

  // Every box shown so far, expected or not.
  const std::vector<ShownBox>& ShownBoxes() const { return m_shown; }
  bool HasFailed() const { return !m_failures.empty(); }
  // What went wrong, then what was left undone (scripts that never ran, boxes that never
  // came); clears both.
  std::vector<Failure> Finish();

  void RunModal(HWND dialog) override;
  int ShowMessageBox(HWND owner, const std::u16string& text, const std::u16string& caption, UINT type) override;

 protected:
  struct Location {
    std::string file;
    int line = 0;
  };
  static Location At(const Where& where) { return {where.file_name(), static_cast<int>(where.line())}; }

  // What the person does in a modal loop; by default the next queued script.
  virtual void Drive(Driver& driver);
  // Where a failure in an action is reported: by default the caller's source line.
  virtual Location Locate(const Where& where) const { return At(where); }
  // Anything left undone when the test ends.
  virtual void ReportLeftovers();

  // Records a failure; inside a modal loop it also stops the scripts (after the action in
  // progress returns), and every open window is cancelled.
  void AddFailure(const Location& location, const std::string& message);
  bool InModalLoop() const { return m_depth > 0; }
  // The action in progress, where failures it causes (a message box) are reported.
  Location m_current;

  struct ExpectedBox {
    std::optional<std::u16string> text;
    Location location;
  };
  std::deque<ExpectedBox> m_expectedBoxes;

 private:
  friend class Driver;

  struct QueuedScript {
    std::function<void(Driver&)> script;
    Location location;
  };

  void BeginAction(const Where& where) { m_current = Locate(where); }
  [[noreturn]] void FailFromDriver(const Where& where, const std::string& message);
  // Pumps posted messages; stops the script when a failure asked for it.
  void AfterAction();
  void CancelIfOpen(HWND dialog);

  platform::FrontEnd* m_previous;
  std::deque<QueuedScript> m_scripts;
  std::vector<ShownBox> m_shown;
  std::vector<Failure> m_failures;
  bool m_stopRequested = false;
  int m_depth = 0;
};

}  // namespace driver
