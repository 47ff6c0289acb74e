#pragma once
// The resources of one module, read from the compiled resource file (.res) that was embedded
// in it: each entry's type, name, language and data, as the resource compiler wrote them.

#include <cstddef>
#include <string>
#include <vector>

#include "WinTypes.h"

namespace platform {

// A resource type or name: a number, or a string (which Windows compares ignoring case).
struct ResourceId {
  WORD number = 0;
  std::u16string name;
  bool IsNumber() const { return name.empty(); }
};

struct ResourceEntry {
  ResourceId type;
  ResourceId name;
  WORD language = 0;
  const BYTE* data = nullptr;
  DWORD size = 0;
};

class ResourceTable {
 public:
  // Reads a .res image; entries that do not fit the image end the reading.
  static ResourceTable Read(const BYTE* image, size_t size);

  // The resource of that type and name (numbers, "#123" or names); the first language wins.
  const ResourceEntry* Find(LPCWSTR type, LPCWSTR name) const;
  bool Owns(const ResourceEntry* entry) const;
  size_t size() const { return entries_.size(); }
  const std::vector<ResourceEntry>& entries() const { return entries_; }

 private:
  std::vector<ResourceEntry> entries_;
};

// A resource type or name as the resource functions take it: MAKEINTRESOURCE, "#123" or a name.
ResourceId ToResourceId(LPCWSTR value);

}  // namespace platform
