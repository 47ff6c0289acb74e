#include "DialogLayout.h"

#include <algorithm>

#include "../driver/WindowQueries.h"
#include "CellGrid.h"
#include "LabelText.h"

namespace terminal {

namespace {

constexpr int kUnitsPerCol = 4;
constexpr int kUnitsPerRow = 8;
// A closed combo box is this high; its template height includes the dropped-down list.
constexpr int kComboHeight = 12;
// A check box's "[x] " before its text.
constexpr int kCheckBoxWidth = 4;

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// A left edge starts in the cell it mostly covers; a right edge ends in the cell it reaches into.
int ColOf(int x) { return FloorDiv(x + kUnitsPerCol / 2, kUnitsPerCol); }
int EndColOf(int x) { return FloorDiv(x, kUnitsPerCol); }

enum class Align { Left, Right, Center };

// What stands in a cell, for fitting texts: a frame line may be touched, a control should not.
enum class Claim : char { Free, FrameLine, Control };

// A visible control as the template places it, before it is given cells.
struct Item {
  HWND hwnd;
  ControlKind kind;
  RECT rect;       // dialog units, relative to the dialog
  int length = 0;  // labels and check boxes: cells of text
  Align align = Align::Left;

  bool IsText() const { return kind == ControlKind::Label || kind == ControlKind::CheckBox; }
  bool IsFrame() const { return kind == ControlKind::GroupBox || kind == ControlKind::Tabs; }
  // The vertical middle of the control as drawn (a combo box without its list).
  int Middle() const {
    const int height = kind == ControlKind::ComboBox ? std::min<int>(rect.bottom - rect.top, kComboHeight) : rect.bottom - rect.top;
    return rect.top + height / 2;
  }
};

class Builder {
 public:
  explicit Builder(HWND dialog) {
    m_layout.dialog = dialog;
    GetWindowRect(dialog, &m_origin);
    RECT client{};
    GetClientRect(dialog, &client);
    m_layout.cols = FloorDiv(client.right + kUnitsPerCol - 1, kUnitsPerCol);
    m_layout.rows = FloorDiv(client.bottom + kUnitsPerRow - 1, kUnitsPerRow);
    m_claims.assign(static_cast<size_t>(m_layout.rows), std::vector<Claim>(static_cast<size_t>(m_layout.cols), Claim::Free));
  }

  DialogLayout Build() {
    Collect(m_layout.dialog);
    // Frames go first so that they are drawn under the controls they hold.
    for (const Item& item : m_items) {
      if (item.IsFrame()) AddFrame(item);
    }
    struct Text {
      size_t index;  // into the layout's controls
      const Item* item;
    };
    std::vector<Text> texts;
    for (const Item& item : m_items) {
      if (item.IsFrame()) continue;
      PlacedControl placed;
      placed.hwnd = item.hwnd;
      placed.kind = item.kind;
      placed.row = placed.bottom = RowOf(item);
      placed.col = ColOf(item.rect.left);
      placed.width = std::max(EndColOf(item.rect.right) - placed.col, 1);
      if (item.IsText()) {
        texts.push_back({m_layout.controls.size(), &item});
        placed.textWidth = std::min(item.length, placed.width);
        placed.textCol = Aligned(placed, item.align);
      } else {
        Mark(placed.row, placed.col, placed.width, Claim::Control);
      }
      m_layout.controls.push_back(placed);
    }
    for (const Text& text : texts) {
      const PlacedControl& placed = m_layout.controls[text.index];
      Mark(placed.row, placed.textCol, placed.textWidth, Claim::Control);
    }
    for (const Text& text : texts) Fit(m_layout.controls[text.index], text.item->length, text.item->align);
    return std::move(m_layout);
  }

 private:
  RECT Relative(HWND hwnd) const {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return RECT{r.left - m_origin.left, r.top - m_origin.top, r.right - m_origin.left, r.bottom - m_origin.top};
  }

  void Mark(int row, int col, int width, Claim claim) {
    if (row < 0 || row >= m_layout.rows) return;
    for (int c = std::max(col, 0); c < std::min(col + width, m_layout.cols); ++c) {
      m_claims[static_cast<size_t>(row)][static_cast<size_t>(c)] = claim;
    }
  }
  Claim At(int row, int col) const {
    if (row < 0 || row >= m_layout.rows || col < 0 || col >= m_layout.cols) return Claim::Free;
    return m_claims[static_cast<size_t>(row)][static_cast<size_t>(col)];
  }

  void Collect(HWND parent) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      if (!IsWindowVisible(child)) continue;
      const std::u16string className = driver::ClassName(child);
      const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
      Item item{child, ControlKind::Label, Relative(child)};
      if (className == u"#32770") {
        Collect(child);
        continue;
      }
      if (className == u"SysTabControl32") {
        item.kind = ControlKind::Tabs;
      } else if (className == u"Button") {
        const DWORD type = style & BS_TYPEMASK;
        item.kind = type == BS_GROUPBOX                                 ? ControlKind::GroupBox
                    : type == BS_CHECKBOX || type == BS_AUTOCHECKBOX    ? ControlKind::CheckBox
                                                                        : ControlKind::PushButton;
        if (item.kind == ControlKind::CheckBox) item.length = kCheckBoxWidth + TextLength(child);
      } else if (className == u"Static") {
        const DWORD type = style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_RIGHT && type != SS_CENTER) continue;
        item.align = type == SS_RIGHT ? Align::Right : type == SS_CENTER ? Align::Center : Align::Left;
        item.length = TextLength(child);
      } else if (className == u"Edit") {
        item.kind = ControlKind::Edit;
      } else if (className == u"ComboBox") {
        item.kind = ControlKind::ComboBox;
      } else {
        continue;
      }
      m_items.push_back(item);
    }
  }

  static int TextLength(HWND hwnd) { return static_cast<int>(ParseLabel(driver::WindowText(hwnd)).text.size()); }

  // A control takes the row of its middle. A label or check box beside a field takes the
  // field's row, so that a line of the template stays one line whatever the rounding.
  int RowOf(const Item& item) const {
    if (item.IsText()) {
      const Item* nearest = nullptr;
      int distance = 0;
      for (const Item& other : m_items) {
        if (other.IsText() || other.IsFrame()) continue;
        const int middle = other.Middle();
        if (middle < item.rect.top || middle >= item.rect.bottom) continue;
        const int gap = std::max<int>(other.rect.left - item.rect.right, item.rect.left - other.rect.right);
        if (nearest == nullptr || gap < distance) {
          nearest = &other;
          distance = gap;
        }
      }
      if (nearest != nullptr) return FloorDiv(nearest->Middle(), kUnitsPerRow);
    }
    return FloorDiv(item.Middle(), kUnitsPerRow);
  }

  static int Aligned(const PlacedControl& placed, Align align) {
    return align == Align::Left    ? placed.col
           : align == Align::Right ? placed.col + placed.width - placed.textWidth
                                   : placed.col + (placed.width - placed.textWidth) / 2;
  }

  void AddFrame(const Item& item) {
    PlacedControl frame;
    frame.hwnd = item.hwnd;
    frame.kind = item.kind;
    // A frame's left line stands in the cell it starts in: what it holds starts to its right.
    frame.col = FloorDiv(item.rect.left, kUnitsPerCol);
    frame.width = std::max(EndColOf(item.rect.right) - frame.col, 2);
    if (item.kind == ControlKind::Tabs) {
      // Three rows of tab strip: the active tab's top, the titles, the panel's top line.
      frame.row = FloorDiv(item.rect.top, kUnitsPerRow);
      frame.bottom = std::max(FloorDiv(item.rect.bottom - 1, kUnitsPerRow), frame.row + 3);
      for (int row = frame.row; row < frame.row + 2; ++row) Mark(row, frame.col, frame.width, Claim::Control);
    } else {
      // The top line runs through the middle of the caption.
      frame.row = FloorDiv(item.rect.top + kUnitsPerRow / 2, kUnitsPerRow);
      frame.bottom = std::max(FloorDiv(item.rect.bottom - 1, kUnitsPerRow), frame.row + 1);
    }
    const int top = item.kind == ControlKind::Tabs ? frame.row + 2 : frame.row;
    Mark(top, frame.col, frame.width, Claim::FrameLine);
    Mark(frame.bottom, frame.col, frame.width, Claim::FrameLine);
    for (int row = top; row <= frame.bottom; ++row) {
      Mark(row, frame.col, 1, Claim::FrameLine);
      Mark(row, frame.col + frame.width - 1, 1, Claim::FrameLine);
    }
    m_layout.controls.push_back(frame);
    if (item.kind == ControlKind::Tabs) {
      m_layout.titleRow = frame.row + 1;
      m_layout.activeTab = static_cast<int>(SendMessageW(item.hwnd, TCM_GETCURSEL, 0, 0));
      PlaceTabs(frame, driver::TabTitles(item.hwnd));
    }
  }

  // Places a text in the free cells around its control, with a blank towards the controls
  // beside it and, where there is room, towards frame lines; cut off where it does not fit.
  void Fit(PlacedControl& placed, int length, Align align) {
    const int row = placed.row;
    Mark(row, placed.textCol, placed.textWidth, Claim::Free);
    int low = placed.col;
    while (low > 0 && At(row, low - 1) == Claim::Free) --low;
    int high = placed.col + placed.width;  // exclusive
    while (high < m_layout.cols && At(row, high) == Claim::Free) ++high;
    const Claim left = At(row, low - 1);
    const Claim right = At(row, high);
    int from = low + (left == Claim::Control ? 1 : 0);
    int to = high - (right == Claim::Control ? 1 : 0);
    if (to - from >= length + (left == Claim::FrameLine ? 1 : 0) + (right == Claim::FrameLine ? 1 : 0)) {
      from += left == Claim::FrameLine ? 1 : 0;
      to -= right == Claim::FrameLine ? 1 : 0;
    }
    placed.textWidth = std::clamp(length, 0, std::max(to - from, 0));
    placed.textCut = placed.textWidth < length;
    placed.textCol = std::clamp(Aligned(placed, align), from, std::max(to - placed.textWidth, from));
    Mark(row, placed.textCol, placed.textWidth, Claim::Control);
  }

  // Each title takes its text and a blank on either side; a separator column stands between
  // two titles and at either end. Long titles are shortened until all fit.
  void PlaceTabs(const PlacedControl& frame, const std::vector<std::u16string>& titles) {
    std::vector<std::u32string> texts;
    for (const std::u16string& title : titles) texts.push_back(ToCells(title));
    const auto total = [&texts] {
      int sum = 1;
      for (const std::u32string& text : texts) sum += static_cast<int>(text.size()) + 3;
      return sum;
    };
    constexpr size_t kShortest = 4;
    while (total() > frame.width) {
      auto longest = std::max_element(texts.begin(), texts.end(),
                                      [](const std::u32string& a, const std::u32string& b) { return a.size() < b.size(); });
      if (longest == texts.end() || longest->size() <= kShortest) break;
      const bool shortened = longest->back() == kEllipsis;
      longest->resize(longest->size() - (shortened ? 2 : 1));
      longest->push_back(kEllipsis);
    }
    int col = frame.col + 1;
    for (std::u32string& text : texts) {
      const int width = static_cast<int>(text.size()) + 2;
      m_layout.tabs.push_back({std::move(text), col, width});
      col += width + 1;
    }
  }

  DialogLayout m_layout;
  RECT m_origin{};
  std::vector<Item> m_items;
  std::vector<std::vector<Claim>> m_claims;
};

}  // namespace

DialogLayout DialogLayout::Of(HWND dialog) { return Builder(dialog).Build(); }

const PlacedControl* DialogLayout::ControlAt(int row, int col) const {
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    if (it->kind == ControlKind::GroupBox || it->kind == ControlKind::Tabs || it->row != row) continue;
    const bool text = it->kind == ControlKind::Label || it->kind == ControlKind::CheckBox;
    const int first = text ? std::min(it->col, it->textCol) : it->col;
    const int last = text ? std::max(it->col + it->width, it->textCol + it->textWidth) : it->col + it->width;
    if (col >= first && col < last) return &*it;
  }
  return nullptr;
}

const PlacedControl* DialogLayout::Find(HWND hwnd) const {
  for (const PlacedControl& control : controls) {
    if (control.hwnd == hwnd) return &control;
  }
  return nullptr;
}

int DialogLayout::TabAt(int row, int col) const {
  if (row != titleRow && row != titleRow - 1) return -1;
  for (size_t i = 0; i < tabs.size(); ++i) {
    if (col >= tabs[i].col - 1 && col <= tabs[i].col + tabs[i].width) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace terminal
