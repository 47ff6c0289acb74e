#pragma once
// The framework's message box: captioned with the application's title, shown over the
// foreground window through the front end. Returns the id of the button that closed it.

#include <windows.h>

int AfxMessageBox(LPCWSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text is a string of the current resource module.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
