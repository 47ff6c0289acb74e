// Finding and reading the resources of a module, and its string table.

#include <algorithm>

#include "ModuleTable.h"
#include "StringTableBlock.h"
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
  const HRSRC block = FindResourceW(instance, MAKEINTRESOURCEW(id / 16 + 1), RT_STRING);
  const auto* data = static_cast<const BYTE*>(LoadResource(instance, block));
  const auto text = platform::StringTableBlock::Find(data, SizeofResource(instance, block), id % 16);
  if (!text || text->empty()) return 0;
  if (capacity == 0) {  // the caller asks for a pointer to the string itself
    *reinterpret_cast<const WCHAR**>(buffer) = text->data();
    return static_cast<int>(text->size());
  }
  if (capacity < 0) return 0;
  const size_t copied = std::min(text->size(), static_cast<size_t>(capacity - 1));
  std::copy_n(text->data(), copied, buffer);
  buffer[copied] = 0;
  return static_cast<int>(copied);
}
