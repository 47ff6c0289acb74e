#pragma once
// Module state: the application object, instance and resource module the framework works
// with. The process has one; every module built on the framework (a plug-in) has its own,
// and each of its exported functions switches to it for its duration:
//     AFX_MANAGE_STATE(AfxGetStaticModuleState());

#include <windows.h>

#include "AfxVisibility.h"

class CWinApp;

struct AFX_MODULE_STATE {
  CWinApp* m_pCurrentWinApp = nullptr;
  HINSTANCE m_hCurrentInstanceHandle = nullptr;
  // Dialogs, pages and strings load from this module (a language resource module, say).
  HINSTANCE m_hCurrentResourceHandle = nullptr;
  LPCWSTR m_lpszCurrentAppName = nullptr;
};

// The state in effect: the one switched in, else the process's own.
AFX_MODULE_STATE* AfxGetModuleState();
// The process's own state: the executable's instance and resources.
AFX_MODULE_STATE* AfxGetAppModuleState();
// Switches the state in effect; returns the previous one (null: the process's own).
AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* state);

// The calling module's own state, from the module start-up library (mfcdll) that every
// module built on the framework links; hidden, so that each module binds its own.
AFX_MODULE_PRIVATE AFX_MODULE_STATE* AfxGetStaticModuleState();

// Keeps a module state switched in for its lifetime.
class AFX_MAINTAIN_STATE2 {
 public:
  explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* state);
  ~AFX_MAINTAIN_STATE2();
  AFX_MAINTAIN_STATE2(const AFX_MAINTAIN_STATE2&) = delete;
  AFX_MAINTAIN_STATE2& operator=(const AFX_MAINTAIN_STATE2&) = delete;

 private:
  AFX_MODULE_STATE* m_pPrevModuleState;
};

#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE2 _ctlState(p)

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE resource);
