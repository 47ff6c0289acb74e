#pragma once
// A dialog template read from its binary form, DLGTEMPLATE (DIALOG) or DLGTEMPLATEEX
// (DIALOGEX): the dialog's styles, position, class, title and font, and its items in order.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "WinTypes.h"

namespace platform {

struct DialogItemTemplate {
  DWORD style = 0;
  DWORD exStyle = 0;
  short x = 0;
  short y = 0;
  short cx = 0;
  short cy = 0;
  DWORD id = 0;
  std::u16string className;  // predefined classes (atoms 0x80 to 0x85) by their names
  std::u16string text;       // empty when the template gives a resource number instead
  std::vector<BYTE> creationData;
};

struct DialogTemplate {
  bool extended = false;
  DWORD style = 0;
  DWORD exStyle = 0;
  short x = 0;
  short y = 0;
  short cx = 0;
  short cy = 0;
  std::u16string className;  // empty: the dialog class
  std::u16string title;
  WORD pointSize = 0;
  WORD weight = 0;
  bool italic = false;
  std::u16string typeface;
  std::vector<DialogItemTemplate> items;

  // Nothing when the bytes are not a whole template.
  static std::optional<DialogTemplate> Read(const BYTE* data, size_t size);
};

}  // namespace platform
