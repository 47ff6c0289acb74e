#pragma once
// A test that acts as the person in front of the plug-in's pages and dialogs, against a fresh
// project of the stand-in host: it runs a "Tag Properties" sheet of pages with the script as the
// person, and retypes fields as a person does.

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/driver/UserTest.h"
#include <afxdlgs.h>
#include "tests/support/TempProject.h"

namespace support {

class PageTest : public driver::UserTest {
 protected:
  explicit PageTest(TempProject::Options options = {}) : project(std::move(options)) {}

  hostsim::Host& host() { return project.host(); }
  // The prefix and a running number, for a new tag.
  std::u16string NewName(std::u16string_view prefix);

  // Runs a sheet of these pages, opened at startPage, with the script as the person.
  void RunSheet(const std::vector<CPropertyPage*>& pages, std::function<void(driver::Driver&)> script,
                int startPage = 0);

  // Selects the edit's text and replaces it with this one (an empty text deletes it).
  static void Retype(driver::Driver& d, int id, std::u16string_view text);
  // As after a refused exchange: the edit holds the focus with its whole text selected.
  static void ExpectFocusedAndSelected(driver::Driver& d, int id);

  TempProject project;

 private:
  int m_nextName = 1;
};

}  // namespace support
