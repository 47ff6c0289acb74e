#include "helper/FileFunctions.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/TempFolder.h"

namespace {

using helper::FileFunctions;

struct DetectionCase {
  const char* what;
  std::string bytes;
  bool result;
  std::u16string text;
};

TEST(FileFunctionsTest, ReadFileDetectsEachEncodingAtItsBoundaries) {
  using namespace std::string_literals;
  const DetectionCase cases[] = {
      {"empty file", ""s, true, u""},
      {"FF FE alone is too short for UTF-16 and not UTF-8", "\xFF\xFE"s, true, u"\u00FF\u00FE"},
      {"FF FE 41 has an odd size", "\xFF\xFE\x41"s, false, u""},
      {"UTF-16 with odd size after text", "\xFF\xFE\x41\x00\x42"s, false, u""},
      {"UTF-16 one character", "\xFF\xFE\x41\x00"s, true, u"A"},
      {"UTF-16 surrogate pair", "\xFF\xFE\x3D\xD8\x00\xDE"s, true, u"\U0001F600"},
      {"UTF-16 ends at NUL", "\xFF\xFE\x41\x00\x00\x00\x42\x00"s, true, u"A"},
      {"UTF-16 ends at NUL past eight bytes", "\xFF\xFE" + std::string("a\0b\0c\0d\0e\0f\0g\0h\0i\0\0\0j\0", 22), true,
       u"abcdefghi"},
      {"UTF-16 keeps a NUL byte inside a unit", "\xFF\xFE\x00\x01\x41\x00"s, true, u"\u0100A"},
      {"big-endian mark is not recognised", "\xFE\xFF\x00\x41"s, true, u"\u00FE\u00FF"},
      {"EF BB BF alone is the character U+FEFF", "\xEF\xBB\xBF"s, true, u"\uFEFF"},
      {"UTF-8 mark is skipped", "\xEF\xBB\xBF\x41"s, true, u"A"},
      {"UTF-8 without mark", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"s, true, u"caf\u00E9 \u20AC \U0001F600"},
      {"long ASCII then UTF-8", "abcdefghijklmnop\xC3\xA9"s, true, u"abcdefghijklmnop\u00E9"},
      {"UTF-8 ends at NUL", "abcdefghij\0klmnopqrstuvwxyz"s, true, u"abcdefghij"},
      {"lone E9 is Windows-1252", "\xE9"s, true, u"\u00E9"},
      {"80 is the euro sign", "\x80"s, true, u"\u20AC"},
      {"81 is a space", "\x81"s, true, u" "},
      {"the unassigned bytes are spaces", "\x8D\x8F\x90\x9D"s, true, u"    "},
      {"the row's last byte", "\x9F\x9E"s, true, u"\u0178\u017E"},
      {"overlong two-byte form", "\xC0\xAF"s, true, u"\u00C0\u00AF"},
      {"overlong three-byte form", "\xE0\x80\xAF"s, true, u"\u00E0\u20AC\u00AF"},
      {"overlong four-byte form", "\xF0\x8F\xBF\xBF"s, true, u"\u00F0 \u00BF\u00BF"},
      {"surrogate code point", "\xED\xA0\x80"s, true, u"\u00ED\u00A0\u20AC"},
      {"above U+10FFFF", "\xF4\x90\x80\x80"s, true, u"\u00F4 \u20AC\u20AC"},
      {"truncated sequence at the end", "ab\xC3"s, true, u"ab\u00C3"},
      {"bad byte after a NUL still makes it Windows-1252", "\xC3\xA9\0\xE9"s, true, u"\u00C3\u00A9"},
      {"valid UTF-8 after a NUL is ignored", "\xC3\xA9\0\xC3\xA9"s, true, u"\u00E9"},
      {"Windows-1252 ends at NUL", "\xE9\0\xE9"s, true, u"\u00E9"},
  };
  support::TempFolder folder;
  for (const DetectionCase& c : cases) {
    folder.WriteBytes("in.txt", c.bytes);
    std::u16string text = u"stale";
    EXPECT_EQ(FileFunctions::ReadFile(folder.WidePath("in.txt"), &text), c.result) << c.what;
    EXPECT_EQ(text, c.text) << c.what;
  }
}

// Bytes of "" are not compared: the text reads back as written.
TEST(FileFunctionsTest, WriteFileWritesMarkAndUnitsUpToNul) {
  using namespace std::string_literals;
  std::u16string large(100000, u'x');
  std::generate(large.begin(), large.end(), [n = 0]() mutable { return static_cast<char16_t>(1 + (n++ * 7919) % 0xD7FF); });
  const struct {
    std::u16string text;
    std::string bytes;
  } cases[] = {
      {u"", "\xFF\xFE"s},
      {u"A\u00E9\U0001F600", "\xFF\xFE\x41\x00\xE9\x00\x3D\xD8\x00\xDE"s},
      {std::u16string(u"AB\0C", 4), "\xFF\xFE\x41\x00\x42\x00"s},
      {u"x\r\n", "\xFF\xFEx\0\r\0\n\0"s},
      {u"\uFEFFstarts with a mark", ""},
      {large, ""},
  };
  support::TempFolder folder;
  folder.WriteBytes("out.txt", "previous content that is longer");
  for (const auto& c : cases) {
    ASSERT_TRUE(FileFunctions::WriteFile(folder.WidePath("out.txt"), c.text));
    if (c.bytes.empty()) {
      std::u16string read;
      ASSERT_TRUE(FileFunctions::ReadFile(folder.WidePath("out.txt"), &read));
      EXPECT_EQ(read, c.text);
    } else {
      EXPECT_EQ(folder.ReadBytes("out.txt"), c.bytes);
    }
  }
}

// Windows paths open; a folder, a missing file and a name no file can have do not.
TEST(FileFunctionsTest, PathsOpenOnlyFilesTheyName) {
  support::TempFolder folder;
  std::filesystem::create_directory(folder.Path("sub"));
  const std::u16string windowsPath = folder.WidePath("sub") + u"\\caf\u00E9.json";
  ASSERT_TRUE(FileFunctions::WriteFile(windowsPath, u"x"));
  EXPECT_TRUE(std::filesystem::exists(folder.Path("sub") / u8"caf\u00E9.json"));
  EXPECT_TRUE(FileFunctions::FileExists(windowsPath));
  std::u16string text;
  EXPECT_TRUE(FileFunctions::ReadFile(windowsPath, &text));
  EXPECT_EQ(text, u"x");
  EXPECT_FALSE(FileFunctions::ReadFile(windowsPath, nullptr));

  for (const std::u16string& path : {folder.WidePath("missing.json"), folder.WidePath(""),
                                     folder.WidePath("") + u"\\", folder.WidePath("x") + u"\xD800"}) {
    EXPECT_FALSE(FileFunctions::FileExists(path)) << testing::PrintToString(path);
    text = u"stale";
    EXPECT_FALSE(FileFunctions::ReadFile(path, &text)) << testing::PrintToString(path);
    EXPECT_EQ(text, u"");
  }
  EXPECT_FALSE(FileFunctions::WriteFile(folder.WidePath("missing") + u"\\x.json", u"x"));
}

}  // namespace
