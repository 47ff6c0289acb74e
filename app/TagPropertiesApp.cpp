#include "TagPropertiesApp.h"

#include <Orvik.h>
#include <OrvikClasses.h>
#include <tchar.h>
#include <windows.h>

#include "Exports.h"

namespace {

// Inside the host's own manager the host decides the language and calls us back; any other host
// is asked once.
bool IsLumoraManagerProcess() {
  WCHAR path[1024] = {};
  GetModuleFileNameW(nullptr, path, 1024);
  CString upper(path);
  upper.MakeUpper();
  return upper.Find(_T("LUMORA MANAGER.EXE")) >= 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CTagPropertiesApp, CWinApp)
END_MESSAGE_MAP()

// No application name: the framework takes the title of every message box from the string table.
CTagPropertiesApp::CTagPropertiesApp() : m_hLangResourceModule(nullptr) {}

CTagPropertiesApp theApp;

BOOL CTagPropertiesApp::InitInstance() {
  if (IsLumoraManagerProcess()) {
    LumoraSetLocalizedLanguage(__LumoraSetLanguage__);
  } else {
    WCHAR language[256] = {};
    OVGetCurrentLanguage(language, 255);
    __LumoraSetLanguage__(language);
  }
  InitializeOrvikClasses(0);
  return CWinApp::InitInstance();
}

int CTagPropertiesApp::ExitInstance() {
  HINSTANCE ownModule = AfxGetInstanceHandle();
  if (m_hLangResourceModule != nullptr && m_hLangResourceModule != ownModule) {
    FreeLibrary(m_hLangResourceModule);
  }
  m_hLangResourceModule = nullptr;
  AfxSetResourceHandle(ownModule);
  if (IsLumoraManagerProcess()) {
    LumoraRemoveLocalizedLanguage(__LumoraSetLanguage__);
  }
  return CWinApp::ExitInstance();
}
