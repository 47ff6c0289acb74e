#pragma once
// The tag-properties plug-in as the host loads it: TagProperties.so from the folder of this
// program, its exports looked up by name. Loading runs its start-up (language selection),
// unloading its shut-down.

#include <string>

#include "app/Exports.h"
#include "platform/win32/WinTypes.h"

namespace tagprops {

class PlugIn {
 public:
  // Throws CommandError when the module or one of its exports is missing.
  PlugIn();
  ~PlugIn();
  PlugIn(const PlugIn&) = delete;
  PlugIn& operator=(const PlugIn&) = delete;

  TAGPROPERTIESPROC DBTagProperties() const { return m_tagProperties; }
  TAGPROPERTIESPROC DBEditTagProperties() const { return m_editTagProperties; }
  TAGPROPERTIESPROC DBCanEditTagProperties() const { return m_canEditTagProperties; }

 private:
  TAGPROPERTIESPROC Export(const char* name) const;

  HMODULE m_module = nullptr;
  std::string m_path;
  TAGPROPERTIESPROC m_tagProperties = nullptr;
  TAGPROPERTIESPROC m_editTagProperties = nullptr;
  TAGPROPERTIESPROC m_canEditTagProperties = nullptr;
};

}  // namespace tagprops
