#include <gtest/gtest.h>

#include "data/AlarmKind.h"
#include "data/ExternalAvailability.h"
#include "data/InterpolationType.h"
#include "data/TagScope.h"
#include "data/TagType.h"

namespace {

// Every row both ways, a value outside the table, and near misses of the texts.
template <typename E>
void CheckTable(std::initializer_list<std::pair<std::int32_t, std::u16string_view>> rows, std::int32_t outside, std::initializer_list<std::u16string_view> misses) {
  for (const auto& [number, text] : rows) {
    EXPECT_EQ(data::TextOf(static_cast<E>(number)), text);
    E value = static_cast<E>(outside);
    EXPECT_TRUE(data::ValueOf(text, value)) << number;
    EXPECT_EQ(static_cast<std::int32_t>(value), number);
  }
  EXPECT_EQ(data::TextOf(static_cast<E>(outside)), u"");
  for (const std::u16string_view miss : misses) {
    E value = static_cast<E>(outside);
    EXPECT_FALSE(data::ValueOf(miss, value));
    EXPECT_EQ(static_cast<std::int32_t>(value), outside);
  }
}

TEST(EnumerationsTest, TextTablesMatchExactly) {
  CheckTable<data::AlarmKind>(
      {{0, u"HiHi"}, {1, u"Hi"}, {2, u"Lo"}, {3, u"LoLo"}, {4, u"Rate"}, {5, u"Dev+"}, {6, u"Dev-"}}, 7,
      {u"hihi", u"Dev", u"", u"HiHi "});
  CheckTable<data::InterpolationType>({{1, u"Stairstep"}, {2, u"Linear"}, {3, u"SystemDefault"}}, 0,
                                      {u"Default", u"linear", u"System Default"});
  CheckTable<data::TagType>({{0, u"Boolean"}, {1, u"Integer"}, {2, u"Real"}, {3, u"String"}, {4, u"Class"}}, -1,
                            {u"boolean", u"Bool", u"INTEGER"});
  CheckTable<data::TagScope>({{0, u"Local"}, {1, u"Server"}}, 2, {u"local", u"Global"});
  CheckTable<data::ExternalAvailability>({{0, u"Disabled"}, {1, u"ReadOnly"}, {2, u"ReadWrite"}}, 3,
                                         {u"disabled", u"Read Only", u"Enabled"});
}

}  // namespace
