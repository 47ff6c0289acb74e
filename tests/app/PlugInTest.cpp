#include "tests/app/PlugInTest.h"


namespace apptest {

void PlugInTest::ExpectSheet(const Pages& pages, const std::u16string& caption, std::source_location where) {
  user.OnModal(
      [pages, caption, where](driver::Driver& d) {
        SCOPED_TRACE(testing::Message() << "sheet expected at " << where.file_name() << ":" << where.line());
        EXPECT_EQ(d.Title(), caption);
        EXPECT_EQ(d.Pages(), pages);
        d.Cancel();
      },
      where);
}

}  // namespace apptest
