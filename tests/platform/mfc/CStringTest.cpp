#include <gtest/gtest.h>

#include <utility>

#include "platform/mfc/CString.h"
#include "tests/platform/mfc/resources/TestResource.h"

namespace {

TEST(CStringTest, FormatsAsPrintfWithWideText) {
  CString name(u"Tank1");
  struct Case {
    CString actual;
    const char16_t* expected;
  };
  auto format = [](auto... args) {
    CString s;
    s.Format(args...);
    return s;
  };
  const Case cases[] = {
      {format(u"%d database points", 1000), u"1000 database points"},
      {format(u"[%5d|%-5d|%05d]", 42, 42, -42), u"[   42|42   |-0042]"},
      {format(u"%s=%s", name, u"x"), u"Tank1=x"},
      {format(u"[%8s|%-8s|%.3s]", u"ab", u"ab", u"abcdef"), u"[      ab|ab      |abc]"},
      {format(u"%g %.15g %f", 0.5, 1.0 / 3, 2.25), u"0.5 0.333333333333333 2.250000"},
      {format(u"%u %x %X %c", 4000000000u, 255, 255, u'Z'), u"4000000000 ff FF Z"},
      {format(u"100%% %s", u"done"), u"100% done"},
      {format(u"%*d|%.*f", 4, 7, 1, 2.25), u"   7|2.2"},
      {format(u"%ld %lld %hd", 5L, -6LL, static_cast<short>(7)), u"5 -6 7"},
      {format(u"no arguments"), u"no arguments"},
      {format(u"missing %d"), u"missing 0"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(CStringTest, TrimsCasesComparesFindsAndCutsWithinBounds) {
  const CString blanks(u" \t x y \r\n");
  const CString path(u"C:\\plugins\\Editor.dll");
  const std::pair<CString, const char16_t*> texts[] = {
      {CString(blanks).Trim(), u"x y"},         {CString(blanks).TrimLeft(), u"x y \r\n"},
      {CString(blanks).TrimRight(), u" \t x y"}, {CString(u"   ").Trim(), u""},
      {CString(u"c:\\lumora manager.exe Ää Ωω Жж Łł").MakeUpper(), u"C:\\LUMORA MANAGER.EXE ÄÄ ΩΩ ЖЖ ŁŁ"},
      {CString(u"EN-US Ÿ É").MakeLower(), u"en-us ÿ é"},
      {path.Left(2), u"C:"},     {path.Mid(11), u"Editor.dll"}, {path.Mid(11, 6), u"Editor"}, {path.Right(3), u"dll"},
      {path.Left(-1), u""},      {path.Left(100), path},        {path.Mid(50), u""},         {path.Right(100), path},
  };
  for (const auto& [actual, expected] : texts) EXPECT_EQ(actual, expected);
  const std::pair<int, int> numbers[] = {
      {CString(u"en-US").CompareNoCase(u"EN-us"), 0},       {CString(u"Boolean").CompareNoCase(u"integer") < 0, 1},
      {CString(u"b").Compare(u"a") > 0, 1},                 {path.Find(u'\\'), 2},
      {path.Find(u'\\', 3), 10},                            {path.Find(u"Editor"), 11},
      {path.Find(u"missing"), -1},                          {path.Find(u'x', 100), -1},
      {path.ReverseFind(u'\\'), 10},                        {path.ReverseFind(u'/'), -1},
  };
  for (size_t i = 0; i < std::size(numbers); ++i) EXPECT_EQ(numbers[i].first, numbers[i].second) << "case " << i;
}

TEST(CStringTest, ReplacesBuffersAndConcatenates) {
  CString text(u"a.b.c");
  EXPECT_EQ(text.Replace(u".", u"::"), 2);
  EXPECT_EQ(text, u"a::b::c");
  EXPECT_EQ(text.Replace(u':', u'-'), 4);
  EXPECT_EQ(text.Replace(u"", u"x"), 0);
  EXPECT_EQ(CString(u"aaa").Replace(u"a", u"aa"), 3);

  CString buffer;
  LPWSTR raw = buffer.GetBuffer(10);
  raw[0] = u'h';
  raw[1] = u'i';
  raw[2] = 0;
  buffer.ReleaseBuffer();
  EXPECT_EQ(buffer.GetLength(), 2);
  buffer.GetBuffer(5);
  buffer.ReleaseBuffer(1);
  EXPECT_EQ(buffer, u"h");

  CString joined = u"x" + CString(u"y") + u"z" + u'!';
  joined += CString(u"?");
  joined += static_cast<LPCWSTR>(nullptr);
  EXPECT_EQ(joined, u"xyz!?");
  EXPECT_TRUE(CString(static_cast<LPCWSTR>(nullptr)).IsEmpty());
  EXPECT_NE(joined, u"xyz");
  EXPECT_EQ(joined[1], u'y');
}

TEST(CStringTest, LoadsAndFormatsStringsOfTheResourceModule) {
  CString greeting;
  ASSERT_TRUE(greeting.LoadString(IDS_GREETING));
  EXPECT_EQ(greeting, u"Hello, %s! You are %d.");
  CString formatted;
  formatted.Format(static_cast<UINT>(IDS_GREETING), CString(u"Ann"), 7);
  EXPECT_EQ(formatted, u"Hello, Ann! You are 7.");

  CString longText;
  ASSERT_TRUE(longText.LoadString(IDS_LONG));
  EXPECT_EQ(longText.GetLength(), 268);
  EXPECT_EQ(longText.Right(3), u"end");

  CString missing(u"old");
  EXPECT_FALSE(missing.LoadString(9999));
  EXPECT_TRUE(missing.IsEmpty());
}

}  // namespace
