#pragma once
// A dialog's initial control data (RT_DLGINIT) read from its binary form: entries of control id,
// message, data length (a DWORD) and data, ended by a zero control id.

#include <cstddef>
#include <vector>

#include <windows.h>

namespace platform {

struct DlgInitEntry {
  WORD control = 0;
  WORD message = 0;
  const BYTE* data = nullptr;  // inside the resource
  DWORD length = 0;
};

struct DlgInit {
  std::vector<DlgInitEntry> entries;

  // The entries up to the closing zero or the first one that does not fit the data.
  static DlgInit Read(const BYTE* data, size_t size);
};

}  // namespace platform
