#include "CWnd.h"

#include <map>
#include <memory>
#include <vector>

#include "CDataExchange.h"
#include "CUserException.h"

namespace {

std::map<HWND, CWnd*>& PermanentMap() {
  static std::map<HWND, CWnd*> map;
  return map;
}

std::map<HWND, std::unique_ptr<CWnd>>& TemporaryMap() {
  static std::map<HWND, std::unique_ptr<CWnd>> map;
  return map;
}

// The window whose members are being transferred: its control notifications are dropped.
HWND g_lockoutNotifyWindow = nullptr;

BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(hWnd);
  return TRUE;
}

// A window is being destroyed: nothing may stay bound to it or to the windows below it,
// since their handles can be given to new windows.
void ForgetWindowTree(HWND hWnd) {
  std::vector<HWND> tree{hWnd};
  EnumChildWindows(hWnd, CollectWindow, reinterpret_cast<LPARAM>(&tree));
  for (HWND each : tree) {
    auto permanent = PermanentMap().find(each);
    if (permanent != PermanentMap().end()) {
      permanent->second->m_hWnd = nullptr;
      PermanentMap().erase(permanent);
    }
    TemporaryMap().erase(each);
  }
}

}  // namespace

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::~CWnd() {
  if (m_hWnd) Detach();
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (!hWnd) return nullptr;
  if (CWnd* permanent = FromHandlePermanent(hWnd)) return permanent;
  std::unique_ptr<CWnd>& temporary = TemporaryMap()[hWnd];
  if (!temporary) {
    temporary = std::make_unique<CWnd>();
    temporary->m_hWnd = hWnd;
  }
  return temporary.get();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  auto found = PermanentMap().find(hWnd);
  return found == PermanentMap().end() ? nullptr : found->second;
}

BOOL CWnd::Attach(HWND hWnd) {
  if (!hWnd) return FALSE;
  if (m_hWnd) Detach();
  m_hWnd = hWnd;
  PermanentMap()[hWnd] = this;
  TemporaryMap().erase(hWnd);
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hWnd = m_hWnd;
  auto found = PermanentMap().find(hWnd);
  if (found != PermanentMap().end() && found->second == this) PermanentMap().erase(found);
  m_hWnd = nullptr;
  return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) { return Attach(hWnd); }

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  return pParent ? SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID))) : FALSE;
}

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

UINT CWnd::GetDlgItemInt(int nID, BOOL* pTranslated, BOOL bSigned) const {
  return ::GetDlgItemInt(m_hWnd, nID, pTranslated, bSigned);
}

BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }

BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }

BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }

void CWnd::SetWindowText(LPCWSTR text) { ::SetWindowTextW(m_hWnd, text); }

void CWnd::GetWindowText(CString& text) const {
  int length = ::GetWindowTextLengthW(m_hWnd);
  ::GetWindowTextW(m_hWnd, text.GetBuffer(length), length + 1);
  text.ReleaseBuffer();
}

int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
  HWND owner = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
  if (!owner) owner = ::GetParent(m_hWnd);
  RECT self, area;
  if (!owner || !::GetWindowRect(m_hWnd, &self) || !::GetWindowRect(owner, &area)) return;
  int width = self.right - self.left, height = self.bottom - self.top;
  ::MoveWindow(m_hWnd, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, width, height, TRUE);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  HWND previousLockout = g_lockoutNotifyWindow;
  g_lockoutNotifyWindow = m_hWnd;
  BOOL ok = FALSE;
  try {
    DoDataExchange(&dx);
    ok = TRUE;
  } catch (CUserException* e) {
    e->Delete();
  }
  g_lockoutNotifyWindow = previousLockout;
  return ok;
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_COMMAND:
      *pResult = 0;
      return OnCommand(wParam, lParam);
    case WM_NOTIFY:
      return OnNotify(wParam, lParam, pResult);
    default:
      return FALSE;
  }
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  HWND control = reinterpret_cast<HWND>(lParam);
  if (control && g_lockoutNotifyWindow == m_hWnd) return TRUE;
  return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) { return FALSE; }

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) reinterpret_cast<CWnd*>(lParam)->Attach(hWnd);
  CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
  if (!wnd) return FALSE;
  LRESULT result = 0;
  BOOL handled = wnd->OnWndMsg(message, wParam, lParam, &result);
  if (message == WM_DESTROY) ForgetWindowTree(hWnd);
  if (!handled) return FALSE;
  if (message == WM_INITDIALOG) return result;
  ::SetWindowLongPtrW(hWnd, DWLP_MSGRESULT, result);
  return TRUE;
}
