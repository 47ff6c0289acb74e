#pragma once
// Draws one control of a dialog layout into a cell grid: labels with their mnemonic,
// check boxes as [x], edits as fields that scroll to keep the caret in view, drop-down lists
// with their current item and an arrow, group boxes as frames with their caption, push
// buttons in brackets (the default one in angle brackets).

#include "CellGrid.h"
#include "DialogLayout.h"
#include "LabelText.h"
#include "ViewState.h"

namespace terminal {

class ControlPainter {
 public:
  // origin: the grid cell of the dialog's client area's top-left corner.
  ControlPainter(CellGrid& grid, Point origin, ViewState& view) : m_grid(grid), m_origin(origin), m_view(view) {}

  void Paint(const PlacedControl& control, bool enabled, bool focused, bool isDefault);

 private:
  void Label(const PlacedControl& control, std::uint8_t style);
  void CheckBox(const PlacedControl& control, std::uint8_t style, bool focused);
  void Edit(const PlacedControl& control, std::uint8_t style, bool focused);
  void ComboBox(const PlacedControl& control, std::uint8_t style, bool focused);
  void GroupBox(const PlacedControl& control, std::uint8_t style);
  void PushButton(const PlacedControl& control, std::uint8_t style, bool focused, bool isDefault);
  // An ellipsis in the last cell of a text that was cut off.
  void MarkCut(const PlacedControl& control, std::uint8_t style);
  // Writes a label's text, its mnemonic marked, into at most width cells.
  void Text(int row, int col, int width, const LabelText& label, std::uint8_t style);

  CellGrid& m_grid;
  Point m_origin;
  ViewState& m_view;
};

}  // namespace terminal
