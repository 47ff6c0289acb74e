// DBEditTagProperties: the tag properties dialog for the name exactly as given, filled from the host.

#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "tests/app/PlugInTest.h"

namespace apptest {
namespace {

class EditTagPropertiesTest : public PlugInTest {};

TEST_F(EditTagPropertiesTest, OpensForTheExactNameOnlyWithTheTagsDefinition) {
  host().AddTag({u"Tank", 1, 10, u"Main tank", 1});
  LoadedPlugIn plugIn;
  for (const auto* name : {u" Tank", u"Tank ", u"Nothing", u""}) {
    SCOPED_TRACE(std::u16string(name).size());
    EXPECT_EQ(plugIn.EditTagProperties(name), 0);
  }
  user.OnModal([](driver::Driver& d) {
    EXPECT_EQ(d.Title(), u"Properties");
    EXPECT_EQ(d.Text(IDC_TAGNAME), u"Tank");
    EXPECT_EQ(d.Text(IDC_TAG_SIZE), u"10");
    EXPECT_EQ(d.Selected(IDC_TYPE), u"Integer");
    EXPECT_EQ(d.Text(IDC_DESCRIPTION), u"Main tank");
    EXPECT_EQ(d.Selected(IDC_SCOPE), u"Server");
    d.Cancel();
  });
  EXPECT_EQ(plugIn.EditTagProperties(u"Tank"), 0);
  user.OnModal([](driver::Driver& d) { d.Ok(); });
  EXPECT_EQ(plugIn.EditTagProperties(u"Tank"), 1);
}

}  // namespace
}  // namespace apptest
