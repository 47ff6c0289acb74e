#pragma once
// Draws a dialog or a property sheet from the window model into a cell grid: a frame with
// the caption around the client area, the sheet's tabs with the active page, every visible
// control where the layout puts it, and the open drop-down list on top. Nothing here knows
// about a real terminal.

#include <optional>

#include "CellGrid.h"
#include "DialogLayout.h"
#include "ViewState.h"

namespace terminal {

// An open drop-down list on the grid: its frame's top-left cell, the items shown and the
// frame's width.
struct PopupBox {
  Point corner;
  int first = 0;  // the first item shown
  int shown = 0;
  int width = 0;
};

class DialogRenderer {
 public:
  // The cells the dialog needs with its frame.
  static int Rows(const DialogLayout& layout) { return layout.rows + 2; }
  static int Cols(const DialogLayout& layout) { return layout.cols + 2; }

  // Draws the dialog with the top-left cell of its client area at origin. Only the active
  // (front) dialog shows the focus and the caret.
  static void Draw(const DialogLayout& layout, ViewState& view, CellGrid& grid, Point origin, bool active);
  // Where the open list of view.popup stands; below its combo box, or above where the grid
  // has no room below.
  static std::optional<PopupBox> Popup(const DialogLayout& layout, const ViewState& view, Point origin, int gridRows);

 private:
  static void DrawTabs(const DialogLayout& layout, const PlacedControl& frame, CellGrid& grid, Point origin, bool focused);
  static void DrawPopup(const DialogLayout& layout, const ViewState& view, CellGrid& grid, Point origin);
};

}  // namespace terminal
