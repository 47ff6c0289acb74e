// Finding and reading the resources of a module, and its string table.

#include <algorithm>

#include "LittleEndianReader.h"
#include "ModuleTable.h"
#include "WinBase.h"

using platform::ModuleTable;
using platform::ResourceEntry;

namespace {

const ResourceEntry* EntryOf(HMODULE module, HRSRC resource) {
  platform::Module* record = ModuleTable::Instance().Find(module);
  const auto* entry = reinterpret_cast<const ResourceEntry*>(resource);
  if (record == nullptr || entry == nullptr) return nullptr;
  return ModuleTable::Instance().Resources(*record).Owns(entry) ? entry : nullptr;
}

}  // namespace

HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
  platform::Module* record = ModuleTable::Instance().Find(module);
  if (record == nullptr || name == nullptr || type == nullptr) return nullptr;
  const ResourceEntry* entry = ModuleTable::Instance().Resources(*record).Find(type, name);
  return reinterpret_cast<HRSRC>(const_cast<ResourceEntry*>(entry));
}

HGLOBAL LoadResource(HMODULE module, HRSRC resource) {
  const ResourceEntry* entry = EntryOf(module, resource);
  return entry ? const_cast<BYTE*>(entry->data) : nullptr;
}

LPVOID LockResource(HGLOBAL data) { return data; }

DWORD SizeofResource(HMODULE module, HRSRC resource) {
  const ResourceEntry* entry = EntryOf(module, resource);
  return entry ? entry->size : 0;
}

int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int capacity) {
  if (buffer == nullptr) return 0;
  if (capacity > 0) buffer[0] = 0;
  // Strings live in blocks of sixteen, block n + 1 holding ids 16n to 16n + 15, each string
  // a length word followed by that many UTF-16 units.
  const HRSRC block = FindResourceW(instance, MAKEINTRESOURCEW(id / 16 + 1), RT_STRING);
  const auto* data = static_cast<const BYTE*>(LoadResource(instance, block));
  const DWORD size = SizeofResource(instance, block);
  if (data == nullptr) return 0;
  platform::LittleEndianReader reader(data, size);
  for (UINT index = 0;; ++index) {
    WORD length = 0;
    if (!reader.Word(length)) return 0;
    const auto* text = reinterpret_cast<const WCHAR*>(reader.Here());
    if (!reader.Skip(length * size_t{2})) return 0;
    if (index == id % 16) {
      if (length == 0) return 0;
      if (capacity == 0) {  // the caller asks for a pointer to the string itself
        *reinterpret_cast<const WCHAR**>(buffer) = text;
        return static_cast<int>(length);
      }
      const size_t copied = std::min<size_t>(length, static_cast<size_t>(capacity - 1));
      std::copy_n(text, copied, buffer);
      buffer[copied] = 0;
      return static_cast<int>(copied);
    }
  }
}
