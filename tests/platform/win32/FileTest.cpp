#include <gtest/gtest.h>

#include <filesystem>

#include "platform/win32/TextConversion.h"
#include "platform/win32/WinBase.h"
#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

// A folder "de" and a file "file.txt".
struct Files : support::TempFolder {
  Files() {
    fs::create_directories(Path("de"));
    WriteBytes("file.txt", "x");
  }
  std::u16string Windows(const std::string& relative) const {
    std::u16string text = platform::Utf8ToUtf16(Path(relative).string());
    std::replace(text.begin(), text.end(), u'/', u'\\');
    return text;
  }
};

TEST(Files, AttributesTellDirectoriesFromFilesWithEitherSeparator) {
  Files folder;
  struct Case {
    std::u16string path;
    DWORD attributes;
  };
  const Case cases[] = {
      {folder.Windows("de"), FILE_ATTRIBUTE_DIRECTORY},
      {folder.Windows("de") + u"\\", FILE_ATTRIBUTE_DIRECTORY},
      {platform::Utf8ToUtf16((folder.Root() / "de").string()), FILE_ATTRIBUTE_DIRECTORY},
      {folder.Windows("file.txt"), FILE_ATTRIBUTE_NORMAL},
      {folder.Windows("pt"), INVALID_FILE_ATTRIBUTES},
      {u"", INVALID_FILE_ATTRIBUTES},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(platform::Utf16ToUtf8(c.path));
    EXPECT_EQ(GetFileAttributesW(c.path.c_str()), c.attributes);
  }
  EXPECT_EQ(GetFileAttributesW(nullptr), INVALID_FILE_ATTRIBUTES);
}

TEST(Files, TheLongPathIsTheCanonicalOneAndATooSmallBufferLearnsTheSize) {
  Files folder;
  const std::u16string twisted = folder.Windows("de\\..\\.\\file.txt");
  const std::u16string canonical = platform::Utf8ToUtf16(fs::canonical(folder.Root() / "file.txt").string());
  std::vector<WCHAR> buffer(canonical.size() + 1, u'#');
  EXPECT_EQ(GetLongPathNameW(twisted.c_str(), buffer.data(), static_cast<DWORD>(buffer.size())), canonical.size());
  EXPECT_EQ(std::u16string(buffer.data()), canonical);
  std::vector<WCHAR> small(canonical.size(), u'#');
  EXPECT_EQ(GetLongPathNameW(twisted.c_str(), small.data(), static_cast<DWORD>(small.size())), canonical.size() + 1);
  EXPECT_EQ(small[0], u'#');
  EXPECT_EQ(GetLongPathNameW(folder.Windows("missing").c_str(), buffer.data(), 8), 0u);
}

}  // namespace
