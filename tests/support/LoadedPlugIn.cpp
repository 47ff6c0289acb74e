#include "tests/support/LoadedPlugIn.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/win32/WinBase.h"

namespace support {
namespace {

template <class Proc>
Proc As(FARPROC proc) {
  return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(proc));
}

}  // namespace

LoadedPlugIn::LoadedPlugIn(const std::filesystem::path& path) : m_module(LoadLibraryW(path.u16string().c_str())) {
  EXPECT_NE(m_module, nullptr) << "cannot load " << path;
}

LoadedPlugIn::~LoadedPlugIn() {
  if (m_module != nullptr) FreeLibrary(m_module);
}

std::filesystem::path LoadedPlugIn::BuiltPath() { return TAGPROPERTIES_PATH; }

BOOL LoadedPlugIn::TagProperties(const std::u16string& name) const {
  return As<TAGPROPERTIESPROC>(Export("DBTagProperties"))(name.c_str());
}

BOOL LoadedPlugIn::EditTagProperties(const std::u16string& name) const {
  return As<TAGPROPERTIESPROC>(Export("DBEditTagProperties"))(name.c_str());
}

BOOL LoadedPlugIn::CanEditTagProperties(const std::u16string& name) const {
  return As<TAGPROPERTIESPROC>(Export("DBCanEditTagProperties"))(name.c_str());
}

void LoadedPlugIn::SetLanguage(LPCWSTR code) const { As<SETLANGUAGEPROC>(Export("__LumoraSetLanguage__"))(code); }

FARPROC LoadedPlugIn::Export(const char* name) const {
  FARPROC proc = GetProcAddress(m_module, name);
  if (proc == nullptr) throw std::runtime_error(std::string("the plug-in has no export ") + name);
  return proc;
}

}  // namespace support
