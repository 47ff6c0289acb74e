#include "Utf8.h"

#include "../crt/Utf8Conversion.h"

namespace driver {

std::string ToUtf8(std::u16string_view text) { return platform::Utf16ToUtf8(text); }

std::u16string FromUtf8(std::string_view text) { return platform::Utf8ToUtf16(text); }

std::string Quoted(std::u16string_view text) {
  std::string out = "\"";
  for (char c : ToUtf8(text)) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '\n') {
      out += "\\n";
      continue;
    }
    out += c;
  }
  return out + "\"";
}

std::string QuotedList(const std::vector<std::u16string>& texts) {
  std::u16string joined;
  for (size_t i = 0; i < texts.size(); ++i) joined += (i ? u"|" : u"") + texts[i];
  return Quoted(joined);
}

}  // namespace driver
