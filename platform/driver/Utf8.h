#pragma once
// UTF-8 at the driver's edges: script files and failure messages.

#include <string>
#include <string_view>
#include <vector>

namespace driver {

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);
// The text in double quotes, with \" \\ and \n escaped as a script writes them.
std::string Quoted(std::u16string_view text);
// The texts joined with | and quoted, as a script's lists are written.
std::string QuotedList(const std::vector<std::u16string>& texts);

}  // namespace driver
