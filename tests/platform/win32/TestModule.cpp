// A module for the module tests: it reports its entry-point calls to the test program
// (which exports RecordModuleEvent) and tells its own handle.

#include "platform/win32/Modules.h"
#include <windows.h>

extern "C" BOOL RecordModuleEvent(HINSTANCE module, DWORD reason);

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) { return RecordModuleEvent(module, reason); }

extern "C" HMODULE TestModuleSelf() {
  static const int anchor = 0;
  return platform::ModuleFromAddress(&anchor);
}
