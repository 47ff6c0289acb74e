// The module start-up library, linked whole into every module built on the framework (the
// plug-in): the module's own state, AfxGetStaticModuleState, and the entry point that the
// platform calls when it loads and unloads the module.

#include <windows.h>

#include "AfxModuleState.h"
#include "CWinApp.h"

namespace {

AFX_MODULE_STATE& OwnState() {
  static AFX_MODULE_STATE state;
  return state;
}

// Switched in before the module's other static objects are constructed, so that its
// application object registers with the module's own state; DllMain switches back.
struct InitialSwitch {
  AFX_MODULE_STATE* previous = AfxSetModuleState(&OwnState());
};
__attribute__((init_priority(101))) InitialSwitch g_initialSwitch;

}  // namespace

AFX_MODULE_STATE* AfxGetStaticModuleState() { return &OwnState(); }

extern "C" AFX_MODULE_ENTRY BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    AfxSetModuleState(g_initialSwitch.previous);
    AFX_MANAGE_STATE(&OwnState());
    OwnState().m_hCurrentInstanceHandle = module;
    OwnState().m_hCurrentResourceHandle = module;
    CWinApp* app = OwnState().m_pCurrentWinApp;
    if (!app) return TRUE;
    app->SetCurrentHandles();
    return app->InitInstance();
  }
  if (reason == DLL_PROCESS_DETACH) {
    AFX_MANAGE_STATE(&OwnState());
    if (CWinApp* app = OwnState().m_pCurrentWinApp) app->ExitInstance();
  }
  return TRUE;
}
