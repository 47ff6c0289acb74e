#pragma once
// The framework's thread object; the application object is the UI thread's.

#include "CCmdTarget.h"

class CWnd;

class CWinThread : public CCmdTarget {
 public:
  CWnd* m_pMainWnd = nullptr;

  // m_pMainWnd, else the foreground window (a plug-in's thread is the host's); null when
  // there is none.
  virtual CWnd* GetMainWnd();
};
