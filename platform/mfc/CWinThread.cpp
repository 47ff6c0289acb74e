#include "platform/mfc/CWinThread.h"

#include "platform/mfc/CWnd.h"

CWnd* CWinThread::GetMainWnd() { return m_pMainWnd ? m_pMainWnd : CWnd::FromHandle(::GetForegroundWindow()); }
