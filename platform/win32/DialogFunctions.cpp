// The dialog manager: the dialog class's window procedure, keyboard navigation, the default
// button, and ending a dialog.

#include "ButtonControl.h"
#include "DialogNavigation.h"
#include "WindowManager.h"
#include "WindowTree.h"

using platform::FindWindowObject;
using platform::WindowPtr;

namespace {

HWND FindDefaultButton(HWND dialog) {
  for (HWND control : platform::ControlsInTabOrder(dialog)) {
    const WindowPtr window = FindWindowObject(control);
    if (window->className == u"Button" && (window->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) return control;
  }
  return nullptr;
}

void SetButtonType(HWND button, DWORD type) {
  const WindowPtr window = FindWindowObject(button);
  if (window && platform::ButtonControl::IsPushButton(button)) window->style = (window->style & ~BS_TYPEMASK) | type;
}

LRESULT DefaultDialogProcessing(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  const WindowPtr window = FindWindowObject(dialog);
  switch (msg) {
    case DM_GETDEFID: {
      if (window->defaultId != 0) return MAKELONG(window->defaultId, DC_HASDEFID);
      const HWND button = FindDefaultButton(dialog);
      return button ? MAKELONG(GetDlgCtrlID(button), DC_HASDEFID) : 0;
    }
    case DM_SETDEFID:
      SetButtonType(window->defaultId ? GetDlgItem(dialog, window->defaultId) : FindDefaultButton(dialog),
                    BS_PUSHBUTTON);
      SetButtonType(GetDlgItem(dialog, static_cast<int>(wParam)), BS_DEFPUSHBUTTON);
      window->defaultId = static_cast<int>(wParam);
      return TRUE;
    case WM_CLOSE: {
      // Closing a dialog is pressing its Cancel button, unless that button is disabled.
      const HWND cancel = GetDlgItem(dialog, IDCANCEL);
      if (cancel == nullptr || IsWindowEnabled(cancel)) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
      }
      return 0;
    }
    case WM_SETFOCUS:
      // A dialog passes the focus on to its first tab stop, unless it has ended.
      if (!window->ended) {
        if (const HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE)) platform::FocusDialogControl(first);
      }
      return 0;
    default:
      return DefWindowProcW(dialog, msg, wParam, lParam);
  }
}

void PressEnter(HWND root) {
  const HWND focus = GetFocus();
  if (IsChild(root, focus) && platform::ButtonControl::IsPushButton(focus)) {
    // A push button that has the focus is the default button for the time being.
    SendMessageW(root, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED), reinterpret_cast<LPARAM>(focus));
    return;
  }
  const auto defId = static_cast<DWORD>(SendMessageW(root, DM_GETDEFID, 0, 0));
  if (HIWORD(defId) == DC_HASDEFID) {
    const HWND button = GetDlgItem(root, LOWORD(defId));
    if (button == nullptr || IsWindowEnabled(button)) {
      SendMessageW(root, WM_COMMAND, MAKEWPARAM(LOWORD(defId), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    }
    return;
  }
  SendMessageW(root, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(root, IDOK)));
}

}  // namespace

LRESULT DefDlgProcW(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  const WindowPtr window = FindWindowObject(dialog);
  if (!window) return 0;
  window->messageResult = 0;
  INT_PTR handled = window->dialogProc ? window->dialogProc(dialog, msg, wParam, lParam) : FALSE;
  if (!handled) return IsWindow(dialog) ? DefaultDialogProcessing(dialog, msg, wParam, lParam) : 0;
  // WM_INITDIALOG answers with the procedure's result; other messages with DWLP_MSGRESULT.
  if (msg == WM_INITDIALOG) return handled;
  return window->destroyed ? 0 : window->messageResult;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
  const std::vector<HWND> controls = platform::ControlsInTabOrder(dialog);
  const auto count = static_cast<long>(controls.size());
  long at = previous ? count : -1;
  for (long i = 0; i < count; ++i) {
    if (controls[static_cast<size_t>(i)] == control) at = i;
  }
  for (long step = 1; step <= count; ++step) {
    const long index = ((previous ? at - step : at + step) % count + count) % count;
    if (platform::IsTabStop(controls[static_cast<size_t>(index)])) return controls[static_cast<size_t>(index)];
  }
  return nullptr;
}

BOOL IsDialogMessageW(HWND dialog, LPMSG msg) {
  if (msg == nullptr || !IsWindow(dialog)) return FALSE;
  const HWND root = platform::NavigationRoot(dialog);
  // A message with no window (no control had the focus) is taken as the dialog's own.
  const HWND target = msg->hwnd ? msg->hwnd : dialog;
  if (!platform::IsSelfOrDescendant(root, target)) return FALSE;
  if (msg->message == WM_KEYDOWN) {
    switch (msg->wParam) {
      case VK_TAB: {
        const bool back = GetKeyState(VK_SHIFT) < 0;
        if (const HWND next = GetNextDlgTabItem(root, GetFocus(), back)) platform::FocusDialogControl(next);
        return TRUE;
      }
      case VK_RETURN:
        PressEnter(root);
        return TRUE;
      case VK_ESCAPE:
        SendMessageW(root, WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(GetDlgItem(root, IDCANCEL)));
        return TRUE;
      default:
        break;
    }
  }
  if (msg->message == WM_CHAR && (msg->wParam == u'\t' || msg->wParam == u'\r' || msg->wParam == 0x1B)) return TRUE;
  if (msg->hwnd != nullptr) DispatchMessageW(msg);
  return TRUE;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
  const WindowPtr window = FindWindowObject(dialog);
  if (!window) return FALSE;
  window->ended = true;
  window->endResult = result;
  // The owner takes input again before the dialog hides, so that it can take the focus back.
  if (window->disabledOwner != nullptr) {
    EnableWindow(window->disabledOwner, TRUE);
    window->disabledOwner = nullptr;
  }
  ShowWindow(dialog, SW_HIDE);
  return TRUE;
}

BOOL MapDialogRect(HWND dialog, LPRECT rect) {
  // Positions are kept in dialog units, so the mapping leaves them as they are.
  return IsWindow(dialog) && rect != nullptr;
}
