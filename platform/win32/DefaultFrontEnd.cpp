#include "DefaultFrontEnd.h"

#include <cstdio>

#include "TextConversion.h"
#include "WinUser.h"

namespace platform {

void DefaultFrontEnd::RunModal(HWND dialog) {
  WCHAR title[256] = {};
  GetWindowTextW(dialog, title, 256);
  std::fprintf(stderr, "no front end to run the dialog \"%s\": it ends as cancelled\n", Utf16ToUtf8(title).c_str());
  EndDialog(dialog, IDCANCEL);
}

int DefaultFrontEnd::ShowMessageBox(HWND, const std::u16string& text, const std::u16string& caption, UINT) {
  std::fprintf(stderr, "%s: %s\n", Utf16ToUtf8(caption).c_str(), Utf16ToUtf8(text).c_str());
  return IDOK;
}

}  // namespace platform
