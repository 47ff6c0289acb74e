#include "AfxMessageBox.h"

#include "CString.h"
#include "CWinApp.h"

int AfxMessageBox(LPCWSTR lpszText, UINT nType, UINT) {
  LPCWSTR title = AfxGetAppName();
  return ::MessageBoxW(::GetForegroundWindow(), lpszText, title ? title : TEXT(""), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
  CString text;
  text.LoadString(nIDPrompt);
  return AfxMessageBox(text, nType, nIDHelp);
}
