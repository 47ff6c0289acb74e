#pragma once
// One module known to the process: the executable, a shared library, or the system module.

#include <optional>
#include <string>

#include "ResourceTable.h"

namespace platform {

struct Module {
  void* handle = nullptr;          // the dlopen handle that keeps the module mapped
  const void* linkMap = nullptr;   // the dynamic linker's identity of the module
  std::string path;                // full path, UTF-8
  int loads = 0;                   // LoadLibraryW references not yet freed
  bool system = false;             // the pseudo "kernel32"
  bool executable = false;
  std::optional<ResourceTable> resources;  // read on first use
};

}  // namespace platform
