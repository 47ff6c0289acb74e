#include "PlugIn.h"

namespace {

template <class Proc>
Proc Export(HMODULE module, const char* name) {
  return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

PlugIn::PlugIn(const std::wstring& path) : m_module(LoadLibraryW(path.c_str())) {
  if (!m_module) return;
  canEditTagProperties = Export<TagProc>(m_module, "DBCanEditTagProperties");
  editTagProperties = Export<TagProc>(m_module, "DBEditTagProperties");
  tagProperties = Export<TagProc>(m_module, "DBTagProperties");
  setLanguage = Export<LanguageProc>(m_module, "__LumoraSetLanguage__");
}

PlugIn::~PlugIn() {
  if (m_module) FreeLibrary(m_module);
}

bool PlugIn::Loaded() const {
  return m_module && canEditTagProperties && editTagProperties && tagProperties && setLanguage;
}
