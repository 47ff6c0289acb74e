// Creating dialogs from templates, modeless and modal.

#include <cstdint>
#include <cstdio>

#include "DialogNavigation.h"
#include "DialogTemplate.h"
#include "FrontEnd.h"
#include "WinBase.h"
#include "WindowManager.h"
#include "WindowTree.h"

using platform::DialogTemplate;
using platform::FindWindowObject;

namespace {

// A template handed over in memory has no size; the reader stops at its last item.
constexpr size_t kUnknownSize = SIZE_MAX / 2;

std::optional<DialogTemplate> TemplateOf(HINSTANCE instance, LPCWSTR name) {
  const HRSRC resource = FindResourceW(instance, name, RT_DIALOG);
  const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(instance, resource)));
  return DialogTemplate::Read(data, SizeofResource(instance, resource));
}

HWND Create(const std::optional<DialogTemplate>& dialogTemplate, HINSTANCE instance, HWND parent, DLGPROC proc,
            LPARAM param) {
  if (!dialogTemplate) return nullptr;
  const DialogTemplate& t = *dialogTemplate;
  // The dialog is created hidden and shown once it is initialised, when its template says so.
  DWORD exStyle = t.exStyle;
  if (t.style & DS_CONTROL) exStyle |= WS_EX_CONTROLPARENT;
  const std::u16string className = t.className.empty() ? u"#32770" : t.className;
  const HWND dialog = CreateWindowExW(exStyle, className.c_str(), t.title.c_str(), t.style & ~WS_VISIBLE, t.x, t.y, t.cx,
                                      t.cy, parent, nullptr, instance, nullptr);
  const platform::WindowPtr window = FindWindowObject(dialog);
  if (!window) return nullptr;
  window->isDialog = true;
  window->dialogProc = proc;
  for (const platform::DialogItemTemplate& item : t.items) {
    const HWND control = CreateWindowExW(item.exStyle, item.className.c_str(), item.text.c_str(), item.style | WS_CHILD,
                                         item.x, item.y, item.cx, item.cy, dialog,
                                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), instance, nullptr);
    if (control == nullptr) {
      std::fprintf(stderr, "dialog item %u: no window class of that name\n", static_cast<unsigned>(item.id));
      DestroyWindow(dialog);
      return nullptr;
    }
  }
  // A TRUE answer asks for the default focus: the first tab stop (not for a hidden page).
  const HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
  const LRESULT wantsFocus = SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
  if (!IsWindow(dialog)) return nullptr;
  if (wantsFocus && (!(t.style & DS_CONTROL) || (t.style & WS_VISIBLE))) {
    if (const HWND target = GetNextDlgTabItem(dialog, nullptr, FALSE)) platform::FocusDialogControl(target);
  }
  if ((t.style & WS_VISIBLE) && !window->ended) ShowWindow(dialog, SW_SHOW);
  return IsWindow(dialog) ? dialog : nullptr;
}

INT_PTR RunModal(const std::optional<DialogTemplate>& dialogTemplate, HINSTANCE instance, HWND parent, DLGPROC proc,
                 LPARAM param) {
  const HWND dialog = Create(dialogTemplate, instance, parent, proc, param);
  const platform::WindowPtr window = FindWindowObject(dialog);
  if (!window) return -1;
  // The owner takes no input while the dialog runs; EndDialog gives it back.
  const HWND owner = window->owner;
  if (!window->ended) {
    if (owner != nullptr && IsWindowEnabled(owner)) {
      EnableWindow(owner, FALSE);
      window->disabledOwner = owner;
    }
    ShowWindow(dialog, SW_SHOW);
    platform::CurrentFrontEnd().RunModal(dialog);
  }
  const INT_PTR result = window->ended ? window->endResult : -1;
  if (window->disabledOwner != nullptr) EnableWindow(window->disabledOwner, TRUE);
  DestroyWindow(dialog);
  return result;
}

}  // namespace

HWND CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc, LPARAM param) {
  return Create(TemplateOf(instance, templateName), instance, parent, proc, param);
}

HWND CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate, HWND parent, DLGPROC proc,
                                LPARAM param) {
  return Create(DialogTemplate::Read(reinterpret_cast<const BYTE*>(dialogTemplate), kUnknownSize), instance, parent,
                proc, param);
}

INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc, LPARAM param) {
  return RunModal(TemplateOf(instance, templateName), instance, parent, proc, param);
}

INT_PTR DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate, HWND parent, DLGPROC proc,
                                LPARAM param) {
  return RunModal(DialogTemplate::Read(reinterpret_cast<const BYTE*>(dialogTemplate), kUnknownSize), instance, parent,
                  proc, param);
}
