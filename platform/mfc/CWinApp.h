#pragma once
// The application object. A module has one, constructed with its static objects, under the
// module's own state. When the module is loaded its InitInstance runs, when it is unloaded
// its ExitInstance (see the module start-up library, mfcdll).

#include <string>

#include "AfxModuleState.h"
#include "CString.h"
#include "CWinThread.h"

#ifndef AFX_IDS_APP_TITLE
#define AFX_IDS_APP_TITLE 0xE000
#endif

class CWinApp : public CWinThread {
 public:
  // Without a name the title is string AFX_IDS_APP_TITLE of the module's resources.
  explicit CWinApp(LPCWSTR lpszAppName = nullptr);
  ~CWinApp() override;

  LPCWSTR m_pszAppName = nullptr;
  HINSTANCE m_hInstance = nullptr;

  virtual BOOL InitInstance();
  virtual int ExitInstance();

  // Takes the module's handles from its state, and the title when there is no name yet.
  void SetCurrentHandles();

 private:
  void SetAppName(const AfxString& name);

  AFX_MODULE_STATE* m_pModuleState;
  AfxString m_appName;
};

// The application object, title, thread and main window of the module state in effect.
CWinApp* AfxGetApp();
LPCWSTR AfxGetAppName();
CWinThread* AfxGetThread();
CWnd* AfxGetMainWnd();
