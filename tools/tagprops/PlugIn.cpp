#include "tools/tagprops/PlugIn.h"

#include "platform/win32/TextConversion.h"
#include "platform/win32/WinBase.h"
#include "tools/tagprops/CommandError.h"

namespace tagprops {
namespace {

// Next to this program, as a host installs its plug-ins.
std::u16string PlugInPath() {
  WCHAR program[4096] = {};
  GetModuleFileNameW(nullptr, program, 4096);
  std::u16string path(program);
  const auto separator = path.find_last_of(u"/\\");
  path.erase(separator == std::u16string::npos ? 0 : separator + 1);
  return path + u"TagProperties.so";
}

}  // namespace

PlugIn::PlugIn() {
  const std::u16string path = PlugInPath();
  m_path = platform::Utf16ToUtf8(path);
  m_module = LoadLibraryW(path.c_str());
  if (m_module == nullptr) throw CommandError("cannot load the plug-in " + m_path);
  try {
    m_tagProperties = Export("DBTagProperties");
    m_editTagProperties = Export("DBEditTagProperties");
    m_canEditTagProperties = Export("DBCanEditTagProperties");
  } catch (...) {
    FreeLibrary(m_module);
    throw;
  }
}

PlugIn::~PlugIn() { FreeLibrary(m_module); }

TAGPROPERTIESPROC PlugIn::Export(const char* name) const {
  FARPROC proc = GetProcAddress(m_module, name);
  if (proc == nullptr) throw CommandError(m_path + " has no export " + name);
  // Through the generic function pointer type, as any entry looked up by name.
  return reinterpret_cast<TAGPROPERTIESPROC>(reinterpret_cast<void (*)()>(proc));
}

}  // namespace tagprops
