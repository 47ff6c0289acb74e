#include "CWinThread.h"

#include "CWnd.h"

CWnd* CWinThread::GetMainWnd() { return m_pMainWnd ? m_pMainWnd : CWnd::FromHandle(::GetForegroundWindow()); }
