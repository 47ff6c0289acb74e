#pragma once
// The modules of the process by handle. A handle is the address of the module's record, valid
// until the module's last FreeLibrary; a stale or made-up handle finds nothing.

#include <memory>
#include <unordered_map>

#include "Module.h"

namespace platform {

class ModuleTable {
 public:
  static ModuleTable& Instance();

  // The module of a handle; a null handle names the executable.
  Module* Find(HMODULE module);
  HMODULE Executable();
  HMODULE System();
  // The module behind a fresh dlopen handle: a known module keeps its own handle (and the new
  // one is closed), an unknown one is recorded with it.
  HMODULE Adopt(void* dlHandle, const std::string& path);
  HMODULE FindByFileName(const std::u16string& name);
  // Drops the record and lets the dynamic linker unload the module.
  void Forget(HMODULE module);

  // A symbol that the module itself defines (not one of the libraries it uses).
  void* OwnSymbol(const Module& module, const char* name) const;
  const ResourceTable& Resources(Module& module);

 private:
  ModuleTable() = default;
  HMODULE Record(std::unique_ptr<Module> module);
  std::unordered_map<const Module*, std::unique_ptr<Module>> modules_;
  HMODULE executable_ = nullptr;
  HMODULE system_ = nullptr;
};

inline HMODULE ToHandle(const Module* module) { return reinterpret_cast<HMODULE>(const_cast<Module*>(module)); }

}  // namespace platform
