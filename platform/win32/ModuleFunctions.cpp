// Loading and freeing modules with their entry point, their exports and file names.

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <filesystem>

#include "ModuleTable.h"
#include "Modules.h"
#include "TextConversion.h"
#include "WinBase.h"

using platform::Module;
using platform::ModuleTable;

namespace {

bool IsSystemModuleName(std::u16string_view name) {
  return platform::EqualsIgnoreCase(name, u"kernel32") || platform::EqualsIgnoreCase(name, u"kernel32.dll");
}

// A bare file name is looked for next to the executable first, as Windows does, then where
// the dynamic linker looks.
void* Open(const std::string& path, std::string& opened) {
  if (path.find('/') == std::string::npos) {
    const auto besideExecutable =
        std::filesystem::path(ModuleTable::Instance().Find(nullptr)->path).parent_path() / path;
    if (void* handle = dlopen(besideExecutable.c_str(), RTLD_NOW | RTLD_LOCAL)) {
      opened = besideExecutable.string();
      return handle;
    }
  }
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return nullptr;
  link_map* map = nullptr;
  opened = dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map->l_name[0] != '\0' ? map->l_name : path;
  return handle;
}

DLLMAINPROC EntryPoint(const Module& module) {
  return reinterpret_cast<DLLMAINPROC>(ModuleTable::Instance().OwnSymbol(module, "DllMain"));
}

}  // namespace

HMODULE LoadLibraryW(LPCWSTR fileName) {
  if (fileName == nullptr || *fileName == 0) return nullptr;
  auto& table = ModuleTable::Instance();
  if (IsSystemModuleName(fileName)) return table.System();
  std::string opened;
  void* handle = Open(platform::ToNativePath(fileName), opened);
  if (handle == nullptr) return nullptr;
  const HMODULE module = table.Adopt(handle, opened);
  Module* record = table.Find(module);
  if (record->executable || record->loads++ > 0) return module;
  // The first load runs the entry point; a module that refuses to attach is detached and unloaded.
  const DLLMAINPROC entry = EntryPoint(*record);
  if (entry != nullptr && !entry(module, DLL_PROCESS_ATTACH, nullptr)) {
    entry(module, DLL_PROCESS_DETACH, nullptr);
    record->loads = 0;
    table.Forget(module);
    return nullptr;
  }
  return module;
}

BOOL FreeLibrary(HMODULE module) {
  auto& table = ModuleTable::Instance();
  Module* record = module ? table.Find(module) : nullptr;
  if (record == nullptr) return FALSE;
  if (record->system || record->executable) return TRUE;
  if (record->loads == 0) return FALSE;
  if (--record->loads > 0) return TRUE;
  if (const DLLMAINPROC entry = EntryPoint(*record)) entry(module, DLL_PROCESS_DETACH, nullptr);
  table.Forget(module);
  return TRUE;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName) {
  if (procName == nullptr || IS_INTRESOURCE(procName)) return nullptr;
  auto& table = ModuleTable::Instance();
  Module* record = module ? table.Find(module) : nullptr;
  if (record == nullptr) return nullptr;
  if (record->system) {
    return std::string_view(procName) == "GetLongPathNameW" ? reinterpret_cast<FARPROC>(&GetLongPathNameW) : nullptr;
  }
  return reinterpret_cast<FARPROC>(table.OwnSymbol(*record, procName));
}

HMODULE GetModuleHandleW(LPCWSTR moduleName) {
  auto& table = ModuleTable::Instance();
  if (moduleName == nullptr) return table.Executable();
  if (IsSystemModuleName(moduleName)) return table.System();
  return table.FindByFileName(moduleName);
}

DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD capacity) {
  Module* record = ModuleTable::Instance().Find(module);
  if (record == nullptr || buffer == nullptr || capacity == 0) return 0;
  const std::u16string path = platform::Utf8ToUtf16(record->path);
  // A path that does not fit is cut and still terminated, and the whole capacity is reported.
  const size_t length = std::min<size_t>(path.size(), capacity - 1);
  std::copy_n(path.begin(), length, buffer);
  buffer[length] = 0;
  return path.size() < capacity ? static_cast<DWORD>(length) : capacity;
}

namespace platform {

HMODULE ModuleFromAddress(const void* address) {
  Dl_info info{};
  link_map* map = nullptr;
  if (address == nullptr || dladdr1(address, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) == 0) {
    return nullptr;
  }
  auto& table = ModuleTable::Instance();
  const HMODULE executable = table.Executable();
  if (map == table.Find(executable)->linkMap) return executable;
  // Holding a reference of its own keeps the module, and so the handle, valid.
  void* handle = dlopen(map->l_name, RTLD_NOW | RTLD_NOLOAD);
  return handle ? table.Adopt(handle, map->l_name) : nullptr;
}

}  // namespace platform
