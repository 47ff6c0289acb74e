#include "tests/platform/terminal/VirtualScreen.h"

namespace terminal {

VirtualScreen& VirtualScreen::Then(const Input& input) {
  m_steps.push_back({input, {}, {}, {}});
  return *this;
}

VirtualScreen& VirtualScreen::Type(std::u32string_view text) {
  for (char32_t c : text) Then(Input::Char(c));
  return *this;
}

VirtualScreen& VirtualScreen::Capture(const std::string& name) {
  m_steps.push_back({std::nullopt, name, {}, {}});
  return *this;
}

VirtualScreen& VirtualScreen::Do(std::function<void()> action) {
  m_steps.push_back({std::nullopt, {}, std::move(action), {}});
  return *this;
}

VirtualScreen& VirtualScreen::ClickOn(std::u32string text) {
  m_steps.push_back({std::nullopt, {}, {}, std::move(text)});
  return *this;
}

Input VirtualScreen::Read() {
  while (!m_steps.empty()) {
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    if (step.input) return *step.input;
    if (!step.clickOn.empty()) {
      for (int row = 0; m_last && row < m_last->Rows(); ++row) {
        std::u32string line;
        for (int col = 0; col < m_last->Cols(); ++col) line += m_last->At(row, col).ch;
        const size_t at = line.find(step.clickOn);
        if (at != std::u32string::npos) return Input::Click(Point{row, static_cast<int>(at)});
      }
      m_notFound.push_back(step.clickOn);
      continue;
    }
    if (step.action) {
      step.action();
      return Input::Resize();
    }
    if (m_last) m_captured.insert_or_assign(step.capture, *m_last);
  }
  return Input::Closed();
}

}  // namespace terminal
