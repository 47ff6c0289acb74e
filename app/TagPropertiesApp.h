#pragma once
// The plug-in's application object: created when the host loads the library, it picks the UI
// language and initialises the host's UI class library; at unload it gives the language back.

#include <afxwin.h>

class CTagPropertiesApp : public CWinApp {
 public:
  CTagPropertiesApp();

  BOOL InitInstance() override;
  int ExitInstance() override;

  // The language resource module in use, or the library's own module; null until a language is
  // applied.
  HINSTANCE m_hLangResourceModule;

  DECLARE_MESSAGE_MAP()
};

extern CTagPropertiesApp theApp;
