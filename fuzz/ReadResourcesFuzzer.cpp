// A language module's resources on arbitrary bytes: the resource table of the .res image, and
// what the framework reads of its entries: dialog templates, string table blocks and the
// dialogs' initial control data. Every entry lies inside the image and is found by its ids.

#include <cstddef>
#include <cstdint>

#include "platform/win32/DialogTemplate.h"
#include "platform/win32/DlgInit.h"
#include "platform/win32/ResourceTable.h"
#include "platform/win32/StringTableBlock.h"
#include "platform/win32/WinBase.h"

namespace {

constexpr WORD kDialog = 5;
constexpr WORD kString = 6;
constexpr WORD kDlgInit = 240;

bool Inside(const BYTE* image, std::size_t size, const BYTE* data, std::size_t length) {
  return data >= image && static_cast<std::size_t>(data - image) <= size &&
         length <= size - static_cast<std::size_t>(data - image);
}

void ReadEntry(const platform::ResourceEntry& entry) {
  switch (entry.type.number) {
    case kDialog:
      platform::DialogTemplate::Read(entry.data, entry.size);
      break;
    case kString:
      for (unsigned index = 0; index < 16; ++index) {
        const auto text = platform::StringTableBlock::Find(entry.data, entry.size, index);
        if (text && !Inside(entry.data, entry.size, reinterpret_cast<const BYTE*>(text->data()), text->size() * 2)) {
          __builtin_trap();
        }
      }
      break;
    case kDlgInit:
      for (const platform::DlgInitEntry& item : platform::DlgInit::Read(entry.data, entry.size).entries) {
        if (!Inside(entry.data, entry.size, item.data, item.length)) __builtin_trap();
      }
      break;
    default:
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto table = platform::ResourceTable::Read(data, size);
  for (const platform::ResourceEntry& entry : table.entries()) {
    if (!Inside(data, size, entry.data, entry.size)) __builtin_trap();
    if (entry.type.IsNumber() && entry.name.IsNumber()) {
      const platform::ResourceEntry* found =
          table.Find(MAKEINTRESOURCEW(entry.type.number), MAKEINTRESOURCEW(entry.name.number));
      if (found == nullptr || !table.Owns(found)) __builtin_trap();
    }
    if (entry.type.IsNumber()) ReadEntry(entry);
  }
  return 0;
}
