#include "tests/platform/terminal/TagDialogs.h"

#include <memory>

#include "platform/mfc/CPropertySheet.h"
#include "res/resource.h"

namespace terminal {

namespace {

HWND g_front = nullptr;

// Keeps the handle of the running dialog for the tests' steps.
class TagDialog : public CDialog {
 public:
  TagDialog() : CDialog(IDD_GENERAL) {}
  BOOL OnInitDialog() override {
    g_front = m_hWnd;
    return CDialog::OnInitDialog();
  }
};

class TagSheet : public CPropertySheet {
 public:
  TagSheet() : CPropertySheet(u"Tag Properties") { m_psh.dwFlags |= PSH_NOAPPLYNOW; }
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (message == WM_INITDIALOG) g_front = m_hWnd;
    return CPropertySheet::OnWndMsg(message, wParam, lParam, pResult);
  }
};

}  // namespace

INT_PTR RunTagDialog() {
  TagDialog dialog;
  const INT_PTR result = dialog.DoModal();
  g_front = nullptr;
  return result;
}

INT_PTR RunSheet(const std::vector<UINT>& pageTemplates) {
  std::vector<std::unique_ptr<CPropertyPage>> pages;
  TagSheet sheet;
  for (UINT id : pageTemplates) {
    pages.push_back(std::make_unique<CPropertyPage>(id));
    sheet.AddPage(pages.back().get());
  }
  const INT_PTR result = sheet.DoModal();
  g_front = nullptr;
  return result;
}

HWND FrontWindow() { return g_front; }

HWND ActivePage() { return reinterpret_cast<HWND>(SendMessageW(g_front, PSM_GETCURRENTPAGEHWND, 0, 0)); }

}  // namespace terminal
