#include "DialogRenderer.h"

#include <algorithm>

#include "../driver/WindowQueries.h"
#include "ControlPainter.h"
#include "LabelText.h"
#include "../win32/ButtonControl.h"

namespace terminal {

namespace {

constexpr int kMostItemsShown = 8;

// A control takes input while it and the windows between it and the dialog are enabled.
bool Enabled(HWND control, HWND dialog) {
  for (HWND hwnd = control; hwnd != nullptr && hwnd != dialog; hwnd = GetParent(hwnd)) {
    if (!IsWindowEnabled(hwnd)) return false;
  }
  return true;
}

// The button that Enter presses: a focused push button, else the dialog's default button.
bool IsDefaultButton(HWND button) {
  const HWND focus = GetFocus();
  if (focus != nullptr && platform::ButtonControl::IsPushButton(focus)) return focus == button;
  return (GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

}  // namespace

void DialogRenderer::Draw(const DialogLayout& layout, ViewState& view, CellGrid& grid, Point origin, bool active) {
  grid.Clear(origin.row, origin.col, layout.rows, layout.cols);
  grid.Frame(origin.row - 1, origin.col - 1, origin.row + layout.rows, origin.col + layout.cols);
  const std::u32string caption = ToCells(driver::WindowText(layout.dialog));
  if (!caption.empty() && layout.cols > 4) {
    const std::u32string title = U" " + caption.substr(0, static_cast<size_t>(layout.cols - 4)) + U" ";
    grid.Write(origin.row - 1, origin.col + 1, title, kTitle);
  }
  const HWND focus = active ? GetFocus() : nullptr;
  ControlPainter painter(grid, origin, view);
  for (const PlacedControl& control : layout.controls) {
    const bool focused = control.hwnd == focus;
    if (control.kind == ControlKind::Tabs) {
      DrawTabs(layout, control, grid, origin, focused);
    } else {
      const bool isDefault = control.kind == ControlKind::PushButton && IsDefaultButton(control.hwnd);
      painter.Paint(control, Enabled(control.hwnd, layout.dialog), focused, isDefault);
    }
  }
  if (active) DrawPopup(layout, view, grid, origin);
}

// The titles sit on one row with separators between them; the active one is framed on three
// sides and open towards the panel below it.
void DialogRenderer::DrawTabs(const DialogLayout& layout, const PlacedControl& frame, CellGrid& grid, Point origin,
                              bool focused) {
  const int left = origin.col + frame.col;
  const int right = left + frame.width - 1;
  const int panelTop = origin.row + frame.row + 2;
  const int titleRow = origin.row + layout.titleRow;
  grid.Frame(panelTop, left, origin.row + frame.bottom, right);
  for (size_t i = 0; i < layout.tabs.size(); ++i) {
    const PlacedTab& tab = layout.tabs[i];
    const int col = origin.col + tab.col;
    grid.Put(titleRow, col - 1, kVertical);
    grid.Put(titleRow, col + tab.width, kVertical);
    const bool current = static_cast<int>(i) == layout.activeTab;
    const std::uint8_t style = current ? static_cast<std::uint8_t>(kTitle | (focused ? kFocus : 0)) : 0;
    grid.Fill(titleRow, col, tab.width, U' ', style);
    grid.Write(titleRow, col + 1, tab.title, style, tab.width - 2);
    if (!current) continue;
    grid.Put(titleRow - 1, col - 1, kTopLeft);
    grid.Fill(titleRow - 1, col, tab.width, kHorizontal);
    grid.Put(titleRow - 1, col + tab.width, kTopRight);
    grid.Fill(panelTop, col, tab.width, U' ');
    grid.Put(panelTop, col - 1, col - 1 == left ? kVertical : kBottomRight);
    grid.Put(panelTop, col + tab.width, col + tab.width == right ? kVertical : kBottomLeft);
  }
}

std::optional<PopupBox> DialogRenderer::Popup(const DialogLayout& layout, const ViewState& view, Point origin, int gridRows) {
  const PlacedControl* combo = view.popup ? layout.Find(view.popup) : nullptr;
  if (combo == nullptr) return std::nullopt;
  const std::vector<std::u16string> items = driver::ComboItems(combo->hwnd);
  if (items.empty()) return std::nullopt;
  const int count = static_cast<int>(items.size());
  PopupBox box;
  box.shown = std::min(count, kMostItemsShown);
  box.first = std::clamp(view.highlight - box.shown + 1, 0, count - box.shown);
  box.width = combo->width;
  for (const std::u16string& item : items) box.width = std::max(box.width, static_cast<int>(ToCells(item).size()) + 2);
  const int below = origin.row + combo->row + 1;
  const int above = origin.row + combo->row - box.shown - 2;
  box.corner = Point{below + box.shown + 2 <= gridRows || above < 0 ? below : above, origin.col + combo->col};
  return box;
}

void DialogRenderer::DrawPopup(const DialogLayout& layout, const ViewState& view, CellGrid& grid, Point origin) {
  const std::optional<PopupBox> box = Popup(layout, view, origin, grid.Rows());
  if (!box) return;
  const std::vector<std::u16string> items = driver::ComboItems(view.popup);
  const Point corner = box->corner;
  grid.Clear(corner.row, corner.col, box->shown + 2, box->width);
  grid.Frame(corner.row, corner.col, corner.row + box->shown + 1, corner.col + box->width - 1);
  for (int i = 0; i < box->shown; ++i) {
    const int item = box->first + i;
    const std::uint8_t style = item == view.highlight ? kSelection : 0;
    grid.Fill(corner.row + 1 + i, corner.col + 1, box->width - 2, U' ', style);
    grid.Write(corner.row + 1 + i, corner.col + 1, ToCells(items[static_cast<size_t>(item)]), style, box->width - 2);
  }
}

}  // namespace terminal
