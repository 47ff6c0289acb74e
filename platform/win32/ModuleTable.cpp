#include "ModuleTable.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <filesystem>

#include "TextConversion.h"

namespace platform {

namespace {

// The symbols that the resource embedding gives a module (see cmake/WindowsResources.cmake).
constexpr const char* kResourcesBegin = "win32_resources";
constexpr const char* kResourcesSize = "win32_resources_size";

const void* LinkMapOf(void* dlHandle) {
  link_map* map = nullptr;
  return dlHandle != nullptr && dlinfo(dlHandle, RTLD_DI_LINKMAP, &map) == 0 ? map : nullptr;
}

std::string ExecutablePath() {
  std::error_code error;
  const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

}  // namespace

ModuleTable& ModuleTable::Instance() {
  static ModuleTable table;
  return table;
}

HMODULE ModuleTable::Record(std::unique_ptr<Module> module) {
  const Module* key = module.get();
  modules_[key] = std::move(module);
  return ToHandle(key);
}

Module* ModuleTable::Find(HMODULE module) {
  if (module == nullptr) module = Executable();
  const auto found = modules_.find(reinterpret_cast<const Module*>(module));
  return found == modules_.end() ? nullptr : found->second.get();
}

HMODULE ModuleTable::Executable() {
  if (executable_ == nullptr) {
    void* handle = dlopen(nullptr, RTLD_NOW);
    executable_ = Adopt(handle, ExecutablePath());
    Find(executable_)->executable = true;
  }
  return executable_;
}

HMODULE ModuleTable::System() {
  if (system_ == nullptr) {
    auto module = std::make_unique<Module>();
    module->system = true;
    module->path = "kernel32.dll";
    system_ = Record(std::move(module));
  }
  return system_;
}

HMODULE ModuleTable::Adopt(void* dlHandle, const std::string& path) {
  const void* linkMap = LinkMapOf(dlHandle);
  for (const auto& [key, module] : modules_) {
    if (module->linkMap != nullptr && module->linkMap == linkMap) {
      dlclose(dlHandle);
      return ToHandle(key);
    }
  }
  auto module = std::make_unique<Module>();
  module->handle = dlHandle;
  module->linkMap = linkMap;
  module->path = std::filesystem::absolute(path).lexically_normal().string();
  return Record(std::move(module));
}

HMODULE ModuleTable::FindByFileName(const std::u16string& name) {
  for (const auto& [key, module] : modules_) {
    const std::filesystem::path file = std::filesystem::path(module->path).filename();
    if (EqualsIgnoreCase(Utf8ToUtf16(file.string()), name) || EqualsIgnoreCase(Utf8ToUtf16(file.stem().string()), name)) {
      return ToHandle(key);
    }
  }
  return nullptr;
}

void ModuleTable::Forget(HMODULE handle) {
  Module* module = Find(handle);
  if (module == nullptr || module->system || module->executable) return;
  void* dlHandle = module->handle;
  modules_.erase(module);
  if (dlHandle != nullptr) dlclose(dlHandle);
}

void* ModuleTable::OwnSymbol(const Module& module, const char* name) const {
  if (module.handle == nullptr) return nullptr;
  void* symbol = dlsym(module.handle, name);
  Dl_info info{};
  link_map* owner = nullptr;
  if (symbol == nullptr || dladdr1(symbol, &info, reinterpret_cast<void**>(&owner), RTLD_DL_LINKMAP) == 0) return nullptr;
  return owner == module.linkMap ? symbol : nullptr;
}

const ResourceTable& ModuleTable::Resources(Module& module) {
  if (!module.resources) {
    const auto* begin = static_cast<const BYTE*>(OwnSymbol(module, kResourcesBegin));
    const auto* size = static_cast<const std::uint32_t*>(OwnSymbol(module, kResourcesSize));
    module.resources = begin != nullptr && size != nullptr ? ResourceTable::Read(begin, *size) : ResourceTable();
  }
  return *module.resources;
}

}  // namespace platform
