#pragma once
// What the three parameters page tests share: a project of the stand-in host, the "Tag
// Properties" sheet run with a scripted person, the stored parameters read back after reopening
// the project, and the cases every parameters page must pass alike.

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <afxdlgs.h>

#include "tests/support/PageTest.h"

namespace params_test {

constexpr int kBoolean = 0;
constexpr int kInteger = 1;
constexpr int kReal = 2;
constexpr int kString = 3;

// The parameters of a tag as the host holds them.
struct StoredParams {
  DWORD flags = 0;
  double engMin = 0.0;
  double engMax = 0.0;
  double deadBand = 0.0;
  std::u16string unit{};
  std::u16string startup{};

  bool operator==(const StoredParams&) const = default;
};
void PrintTo(const StoredParams& params, std::ostream* out);

// Creates a page of the class for the tag, as the sheet's builder does.
using PageFactory = std::function<std::unique_ptr<CPropertyPage>(LPCWSTR tagName)>;

template <class Page>
PageFactory FactoryOf() {
  return [](LPCWSTR tagName) { return std::make_unique<Page>(tagName, nullptr); };
}

class ParamPageFixture : public support::PageTest {
 protected:
  // A project with a system tag of every base type, named by SystemTag.
  ParamPageFixture();

  static std::u16string SystemTag(int type);
  // A new user tag of the type.
  std::u16string AddTag(int type);

  // Writes the parameters into the tag's records and commits them.
  void Store(std::u16string_view tag, const StoredParams& params);
  // Writes them into the records in place, without committing.
  void Edit(std::u16string_view tag, const StoredParams& params);
  // The tag's parameters as held in memory now.
  StoredParams Current(std::u16string_view tag);
  // The tag's parameters as committed: the project is reopened first.
  StoredParams Committed(std::u16string_view tag);

  // Runs a sheet of the one page for the tag.
  void RunPage(std::u16string_view tag, std::function<void(driver::Driver&)> script);

  // Makes the page under test.
  PageFactory factory;
};

}  // namespace params_test
