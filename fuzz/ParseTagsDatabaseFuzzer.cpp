// data::ParseTagsDatabase on arbitrary text. The input is decoded as a file
// would be; a record separator (U+001E) splits the tags text from the classes
// text. Whatever loads must write out, load again and write out the same.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "data/TagsDatabase.h"
#include "helper/TextDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text;
  helper::TextDecoder::Decode(std::string_view(reinterpret_cast<const char*>(data), size), text);
  std::optional<std::u16string> tags = text;
  std::optional<std::u16string> classes;
  const std::size_t separator = text.find(u'\x1E');
  if (separator != std::u16string::npos) {
    tags = text.substr(0, separator);
    classes = text.substr(separator + 1);
  }
  const auto database = data::ParseTagsDatabase(tags, classes);
  if (!database) {
    return 0;
  }
  std::u16string tagsOut;
  std::u16string classesOut;
  if (!data::SerializeTagsDatabase(database, &tagsOut, &classesOut)) {
    __builtin_trap();
  }
  const auto again = data::ParseTagsDatabase(tagsOut, classesOut);
  std::u16string tagsAgain;
  std::u16string classesAgain;
  if (!again || !data::SerializeTagsDatabase(again, &tagsAgain, &classesAgain) || tagsAgain != tagsOut ||
      classesAgain != classesOut) {
    __builtin_trap();
  }
  return 0;
}
