#include "CWinApp.h"

#include "CString.h"

CWinApp::CWinApp(LPCWSTR lpszAppName) : m_pModuleState(AfxGetModuleState()) {
  m_pModuleState->m_pCurrentWinApp = this;
  if (lpszAppName) SetAppName(lpszAppName);
}

CWinApp::~CWinApp() {
  if (m_pModuleState->m_pCurrentWinApp == this) {
    m_pModuleState->m_pCurrentWinApp = nullptr;
    m_pModuleState->m_lpszCurrentAppName = nullptr;
  }
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

void CWinApp::SetCurrentHandles() {
  m_hInstance = m_pModuleState->m_hCurrentInstanceHandle;
  if (m_pszAppName) return;
  AFX_MAINTAIN_STATE2 state(m_pModuleState);
  CString title;
  title.LoadString(AFX_IDS_APP_TITLE);
  SetAppName(title.GetStdString());
}

void CWinApp::SetAppName(const AfxString& name) {
  m_appName = name;
  m_pszAppName = m_appName.c_str();
  m_pModuleState->m_lpszCurrentAppName = m_pszAppName;
}

CWinApp* AfxGetApp() { return AfxGetModuleState()->m_pCurrentWinApp; }

LPCWSTR AfxGetAppName() { return AfxGetModuleState()->m_lpszCurrentAppName; }

CWinThread* AfxGetThread() { return AfxGetApp(); }

CWnd* AfxGetMainWnd() {
  CWinThread* thread = AfxGetThread();
  return thread ? thread->GetMainWnd() : nullptr;
}
