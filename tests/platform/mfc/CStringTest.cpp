#include <gtest/gtest.h>

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

TEST(CStringTest, TrimsCasesAndCompares) {
  CString blanks(u" \t x y \r\n");
  EXPECT_EQ(CString(blanks).Trim(), u"x y");
  EXPECT_EQ(CString(blanks).TrimLeft(), u"x y \r\n");
  EXPECT_EQ(CString(blanks).TrimRight(), u" \t x y");
  EXPECT_EQ(CString(u"   ").Trim(), u"");
  EXPECT_EQ(CString(u"c:\\lumora manager.exe Ää Ωω Жж Łł").MakeUpper(), u"C:\\LUMORA MANAGER.EXE ÄÄ ΩΩ ЖЖ ŁŁ");
  EXPECT_EQ(CString(u"EN-US Ÿ É").MakeLower(), u"en-us ÿ é");
  EXPECT_EQ(CString(u"en-US").CompareNoCase(u"EN-us"), 0);
  EXPECT_LT(CString(u"Boolean").CompareNoCase(u"integer"), 0);
  EXPECT_GT(CString(u"b").Compare(u"a"), 0);
}

TEST(CStringTest, FindsAndCutsWithinBounds) {
  CString path(u"C:\\plugins\\Editor.dll");
  EXPECT_EQ(path.Find(u'\\'), 2);
  EXPECT_EQ(path.Find(u'\\', 3), 10);
  EXPECT_EQ(path.Find(u"Editor"), 11);
  EXPECT_EQ(path.Find(u"missing"), -1);
  EXPECT_EQ(path.Find(u'x', 100), -1);
  EXPECT_EQ(path.ReverseFind(u'\\'), 10);
  EXPECT_EQ(path.ReverseFind(u'/'), -1);
  EXPECT_EQ(path.Left(2), u"C:");
  EXPECT_EQ(path.Mid(11), u"Editor.dll");
  EXPECT_EQ(path.Mid(11, 6), u"Editor");
  EXPECT_EQ(path.Right(3), u"dll");
  EXPECT_EQ(path.Left(-1), u"");
  EXPECT_EQ(path.Left(100), path);
  EXPECT_EQ(path.Mid(50), u"");
  EXPECT_EQ(path.Right(100), path);
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
