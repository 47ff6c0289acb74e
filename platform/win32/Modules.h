#pragma once
// What a module needs beyond the Win32 module functions: finding its own handle. Windows hands
// a DLL its handle in DllMain; code that runs before that, or in a module that was not loaded
// through LoadLibraryW (the executable, a library it links), asks with an address of its own:
//
//   static int anchor;
//   HMODULE self = platform::ModuleFromAddress(&anchor);
//
// The handle is the one LoadLibraryW returns for the same module, and the resource functions
// accept it. A module first found this way stays loaded for the life of the process.

#include "WinTypes.h"

namespace platform {

// The module that holds the address (a function or a variable of it); null when none does.
HMODULE ModuleFromAddress(const void* address);

}  // namespace platform
