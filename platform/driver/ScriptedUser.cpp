#include "ScriptedUser.h"

#include <utility>

#include "Utf8.h"

namespace driver {

ScriptedUser::ScriptedUser() : m_previous(platform::SetFrontEnd(this)) {}

ScriptedUser::~ScriptedUser() { platform::SetFrontEnd(m_previous); }

void ScriptedUser::OnModal(std::function<void(Driver&)> script, Where where) {
  m_scripts.push_back({std::move(script), At(where)});
}

void ScriptedUser::ExpectBox(std::u16string text, Where where) { m_expectedBoxes.push_back({std::move(text), At(where)}); }

void ScriptedUser::ExpectAnyBox(Where where) { m_expectedBoxes.push_back({std::nullopt, At(where)}); }

std::vector<Failure> ScriptedUser::Finish() {
  if (m_failures.empty()) ReportLeftovers();
  m_scripts.clear();
  m_expectedBoxes.clear();
  m_stopRequested = false;
  m_current = {};
  return std::exchange(m_failures, {});
}

void ScriptedUser::ReportLeftovers() {
  for (const QueuedScript& script : m_scripts) AddFailure(script.location, "no dialog opened for this script");
  for (const ExpectedBox& box : m_expectedBoxes)
    AddFailure(box.location, "the announced message box " + (box.text ? Quoted(*box.text) + " " : "") + "never came");
}

void ScriptedUser::RunModal(HWND dialog) {
  Driver driver(*this, dialog);
  ++m_depth;
  try {
    AfterAction();
    Drive(driver);
  } catch (const ScriptStopped&) {
  }
  PumpMessages();
  CancelIfOpen(dialog);
  if (--m_depth == 0) {
    m_stopRequested = false;
    m_current = {};
  }
}

void ScriptedUser::Drive(Driver& driver) {
  if (m_scripts.empty()) {
    AddFailure(m_current, "the dialog " + Quoted(driver.Title()) + " opened with no script for it");
    return;
  }
  QueuedScript next = std::move(m_scripts.front());
  m_scripts.pop_front();
  next.script(driver);
  if (!driver.Closed())
    AddFailure(next.location, "the script ended with the dialog " + Quoted(driver.Title()) + " still open");
}

int ScriptedUser::ShowMessageBox(HWND, const std::u16string& text, const std::u16string& caption, UINT type) {
  m_shown.push_back({text, caption, type});
  if (m_expectedBoxes.empty()) {
    AddFailure(m_current, "unexpected message box " + Quoted(text));
    return IDOK;
  }
  ExpectedBox expected = std::move(m_expectedBoxes.front());
  m_expectedBoxes.pop_front();
  if (expected.text && *expected.text != text)
    AddFailure(m_current, "expected the message box " + Quoted(*expected.text) + ", got " + Quoted(text));
  return IDOK;
}

void ScriptedUser::AddFailure(const Location& location, const std::string& message) {
  m_failures.push_back({location.file, location.line, message});
  if (InModalLoop()) m_stopRequested = true;
}

void ScriptedUser::FailFromDriver(const Where& where, const std::string& message) {
  AddFailure(Locate(where), message);
  throw ScriptStopped();
}

void ScriptedUser::AfterAction() {
  PumpMessages();
  if (m_stopRequested) {
    m_stopRequested = false;
    throw ScriptStopped();
  }
}

void ScriptedUser::CancelIfOpen(HWND dialog) {
  if (platform::IsDialogEnded(dialog)) return;
  // As the Cancel button or Escape would; a window that still stays is ended directly.
  SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  PumpMessages();
  if (!platform::IsDialogEnded(dialog)) EndDialog(dialog, IDCANCEL);
}

}  // namespace driver
