// DBCanEditTagProperties answers from the host's lookups alone, through every branch.

#include <gtest/gtest.h>

#include <string>

#include "tests/app/PlugInTest.h"

namespace apptest {
namespace {

class CanEditTagPropertiesTest : public PlugInTest {};

TEST_F(CanEditTagPropertiesTest, AnswersFromTheLookups) {
  host().AddTag(u"Tank", 1, 10);
  host().AddClass(u"Pump", {{u"Running", 0, {}}, {u"Speed", 2, {}}});
  host().AddTag(u"Pump1", 3 + 1);
  struct Case {
    std::u16string name;
    BOOL editable;
  };
  const Case cases[] = {
      {u"Tank", 1},
      {u" Tank\t", 1},
      {u"Tank[4]", 1},
      {u"Tank" + std::u16string(1020, u' ') + u"junk", 1},
      {u"Tank" + std::u16string(1019, u' ') + u"junk", 0},
      {u"Nothing", 0},
      {u"", 0},
      // An indirect reference (its kind byte is set) is never edited as a tag.
      {u"@Tank", 0},
      // A class-typed tag as a whole is a structure; its members are edited.
      {u"Pump1", 0},
      {u"Pump1.Speed", 1},
      {u"Second", 1},
  };
  LoadedPlugIn plugIn;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name.size() > 40 ? "long name" : std::string(c.name.begin(), c.name.end()));
    EXPECT_EQ(plugIn.CanEditTagProperties(c.name), c.editable);
  }
  EXPECT_TRUE(user.ShownBoxes().empty());
}

}  // namespace
}  // namespace apptest
