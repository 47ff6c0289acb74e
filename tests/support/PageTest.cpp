#include "tests/support/PageTest.h"

#include <utility>

#include "platform/bcg/CBCGPPropertySheet.h"

namespace support {

std::u16string PageTest::NewName(std::u16string_view prefix) {
  std::u16string name(prefix);
  for (char c : std::to_string(m_nextName++)) name += static_cast<char16_t>(c);
  return name;
}

void PageTest::RunSheet(const std::vector<CPropertyPage*>& pages, std::function<void(driver::Driver&)> script,
                        int startPage) {
  CBCGPPropertySheet sheet(u"Tag Properties");
  sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
  for (CPropertyPage* page : pages) sheet.AddPage(page);
  sheet.SetActivePage(startPage);
  user.OnModal(std::move(script));
  sheet.DoModal();
}

void PageTest::Retype(driver::Driver& d, int id, std::u16string_view text) {
  d.SelectAll(id);
  if (text.empty()) {
    d.Press(driver::Key::Delete);
  } else {
    d.Type(text);
  }
}

void PageTest::ExpectFocusedAndSelected(driver::Driver& d, int id) {
  EXPECT_TRUE(d.Focused(id));
  EXPECT_EQ(d.Selection(id), std::make_pair(0, static_cast<int>(d.Text(id).size())));
}

}  // namespace support
