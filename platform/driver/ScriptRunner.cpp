#include "ScriptRunner.h"

#include <fstream>
#include <sstream>

#include "Utf8.h"

namespace driver {

namespace {

std::vector<std::u16string> Split(const std::u16string& text) {
  std::vector<std::u16string> parts;
  if (text.empty()) return parts;
  size_t start = 0;
  for (size_t bar = text.find(u'|'); bar != std::u16string::npos; bar = text.find(u'|', start)) {
    parts.push_back(text.substr(start, bar - start));
    start = bar + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

}  // namespace

std::string ScriptOutcome::Message() const {
  if (passed) return file + ": passed";
  return file + ":" + std::to_string(line) + ": " + reason;
}

ScriptRunner::ScriptRunner(std::string name, Script script) : m_name(std::move(name)), m_script(std::move(script)) {}

ScriptOutcome ScriptRunner::RunFile(const std::string& path, const std::function<void()>& action) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {false, path, 0, "cannot read the script"};
  std::ostringstream text;
  text << file.rdbuf();
  return RunText(text.str(), path, action);
}

ScriptOutcome ScriptRunner::RunText(std::string_view text, const std::string& name, const std::function<void()>& action) {
  Script script;
  int errorLine = 0;
  std::string error;
  if (!Script::Parse(text, script, errorLine, error)) return {false, name, errorLine, error};
  return ScriptRunner(name, std::move(script)).Run(action);
}

ScriptOutcome ScriptRunner::Run(const std::function<void()>& action) {
  while (m_next < m_script.lines.size() && Announce(m_script.lines[m_next])) ++m_next;
  action();
  std::vector<Failure> failures = Finish();
  if (failures.empty()) return {true, m_name, 0, {}};
  return {false, failures.front().file, failures.front().line, failures.front().message};
}

void ScriptRunner::Drive(Driver& driver) {
  while (m_next < m_script.lines.size()) {
    const ScriptLine& line = m_script.lines[m_next];
    if (line.IsAction() && driver.Closed()) return;
    ++m_next;
    m_current = {m_name, line.number};
    Execute(line, driver);
  }
  if (!driver.Closed()) AddFailure(m_current, "the script ended with the dialog " + Quoted(driver.Title()) + " still open");
}

void ScriptRunner::ReportLeftovers() {
  if (m_next < m_script.lines.size()) {
    const ScriptLine& line = m_script.lines[m_next];
    AddFailure({m_name, line.number}, line.source + ": no dialog is open");
  }
  ScriptedUser::ReportLeftovers();
}

void ScriptRunner::Execute(const ScriptLine& line, Driver& driver) {
  switch (line.op) {
    case ScriptLine::Op::Focus: driver.Focus(line.id); break;
    case ScriptLine::Op::SelectAll: driver.SelectAll(line.id); break;
    case ScriptLine::Op::Type: driver.Type(line.text); break;
    case ScriptLine::Op::Key: driver.Press(line.key); break;
    case ScriptLine::Op::Click: driver.Click(line.id); break;
    case ScriptLine::Op::Choose: driver.Choose(line.id, line.text); break;
    case ScriptLine::Op::Page: driver.Page(line.text); break;
    case ScriptLine::Op::Ok: driver.Ok(); break;
    case ScriptLine::Op::Cancel: driver.Cancel(); break;
    case ScriptLine::Op::ExpectBox:
    case ScriptLine::Op::ExpectAnyBox: Announce(line); break;
    case ScriptLine::Op::Check: Check(line, driver); break;
  }
}

bool ScriptRunner::Announce(const ScriptLine& line) {
  if (line.op != ScriptLine::Op::ExpectBox && line.op != ScriptLine::Op::ExpectAnyBox) return false;
  std::optional<std::u16string> text;
  if (line.op == ScriptLine::Op::ExpectBox) text = line.text;
  m_expectedBoxes.push_back({text, {m_name, line.number}});
  return true;
}

void ScriptRunner::Check(const ScriptLine& line, Driver& driver) {
  using What = ScriptLine::What;
  std::string subject = "check " + std::to_string(line.id) + " ";
  auto state = [&](bool actual, bool wanted, const char* yes, const char* no) {
    if (actual != wanted) CheckFailed(subject + (wanted ? yes : no) + ": the control is " + (actual ? yes : no));
  };
  switch (line.what) {
    case What::Text: {
      std::u16string text = driver.Text(line.id);
      if (text != line.text) CheckFailed(subject + "text: expected " + Quoted(line.text) + ", found " + Quoted(text));
      break;
    }
    case What::Enabled: state(driver.Enabled(line.id), true, "enabled", "disabled"); break;
    case What::Disabled: state(driver.Enabled(line.id), false, "enabled", "disabled"); break;
    case What::Visible: state(driver.Visible(line.id), true, "visible", "hidden"); break;
    case What::Hidden: state(driver.Visible(line.id), false, "visible", "hidden"); break;
    case What::Checked: state(driver.Checked(line.id), true, "checked", "unchecked"); break;
    case What::Unchecked: state(driver.Checked(line.id), false, "checked", "unchecked"); break;
    case What::Focused: state(driver.Focused(line.id), true, "focused", "not focused"); break;
    case What::ReadOnly: state(driver.ReadOnly(line.id), true, "readonly", "writable"); break;
    case What::Items: {
      std::vector<std::u16string> items = driver.Items(line.id);
      if (items != Split(line.text)) CheckFailed(subject + "items: expected " + Quoted(line.text) + ", found " + QuotedList(items));
      break;
    }
    case What::Selected: {
      std::u16string selected = driver.Selected(line.id);
      if (selected != line.text)
        CheckFailed(subject + "selected: expected " + Quoted(line.text) + ", found " + Quoted(selected));
      break;
    }
    case What::Page: {
      std::u16string page = driver.ActivePage();
      if (page != line.text) CheckFailed("check page: expected " + Quoted(line.text) + ", found " + Quoted(page));
      break;
    }
    case What::Pages: {
      std::vector<std::u16string> pages = driver.Pages();
      if (pages != Split(line.text)) CheckFailed("check pages: expected " + Quoted(line.text) + ", found " + QuotedList(pages));
      break;
    }
    case What::ClosedOk:
    case What::ClosedCancel: {
      INT_PTR wanted = line.what == What::ClosedOk ? IDOK : IDCANCEL;
      const char* name = wanted == IDOK ? "ok" : "cancel";
      if (!driver.Closed()) CheckFailed(std::string("check closed ") + name + ": the dialog is open");
      if (driver.Result() != wanted)
        CheckFailed(std::string("check closed ") + name + ": it closed with " + std::to_string(driver.Result()));
      break;
    }
  }
}

void ScriptRunner::CheckFailed(const std::string& reason) {
  AddFailure(m_current, reason);
  throw ScriptStopped();
}

}  // namespace driver
