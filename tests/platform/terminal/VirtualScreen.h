#pragma once
// A terminal for tests: a fixed size, and a queue of steps that the front end's reads take
// one by one: an input to hand over, a picture to keep (the last one shown), or an action on
// the window model after which the front end redraws. When the steps run out it reports the
// terminal gone, which cancels whatever is open.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/terminal/Screen.h"

namespace terminal {

class VirtualScreen : public Screen {
 public:
  VirtualScreen(int rows, int cols) : m_size{rows, cols} {}

  void Resize(int rows, int cols) { m_size = Point{rows, cols}; }

  VirtualScreen& Then(const Input& input);
  // Several typed characters.
  VirtualScreen& Type(std::u32string_view text);
  VirtualScreen& Capture(const std::string& name);
  VirtualScreen& Do(std::function<void()> action);
  // Clicks the first cell of the first place where the screen shows the text.
  VirtualScreen& ClickOn(std::u32string text);

  // Texts that ClickOn did not find on the screen.
  const std::vector<std::u32string>& NotFound() const { return m_notFound; }

  // The pictures kept, by name.
  const CellGrid& Captured(const std::string& name) const { return m_captured.at(name); }
  bool HasCaptured(const std::string& name) const { return m_captured.count(name) != 0; }
  // The last picture shown.
  const CellGrid& Last() const { return *m_last; }
  bool StepsLeft() const { return !m_steps.empty(); }

  Point Size() override { return m_size; }
  void Show(const CellGrid& grid) override { m_last = grid; }
  Input Read() override;

 private:
  struct Step {
    std::optional<Input> input;
    std::string capture;
    std::function<void()> action;
    std::u32string clickOn;
  };

  Point m_size;
  std::deque<Step> m_steps;
  std::optional<CellGrid> m_last;
  std::map<std::string, CellGrid> m_captured;
  std::vector<std::u32string> m_notFound;
};

}  // namespace terminal
