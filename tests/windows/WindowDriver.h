#pragma once
// A person at the screen, from a thread of its own while the plug-in's dialog runs its modal loop
// on the UI thread. Every act is a window message posted to a real control, as the mouse and the
// keyboard would send it; the driver then waits, bounded, for what the act should bring about.

#include <windows.h>

#include <functional>
#include <string>

class WindowDriver {
 public:
  explicit WindowDriver(DWORD uiThread) : m_uiThread(uiThread) {}

  // The visible top-level window of the UI thread with that caption and no disabled state (the
  // window a person can use); null after a few seconds without one.
  HWND WaitForWindow(const std::wstring& caption) const;
  // A visible dialog of the UI thread that is neither of the two given: a message box over them.
  HWND FindOtherDialog(HWND known, HWND alsoKnown = nullptr) const;

  // Clicks into the edit, selects its text and types the new text key by key.
  bool Type(HWND edit, const std::wstring& text) const;
  // A left click in the middle of the control.
  void Click(HWND control) const;
  bool ClickCheckBox(HWND checkBox) const;
  // A click on the sheet's tab of that page.
  void PressTab(HWND sheet, int index) const;
  // The same, then true when that page became the current one.
  bool ClickTab(HWND sheet, int index) const;
  // The sheet's current page and its tab control, through the sheet's messages.
  static HWND CurrentPage(HWND sheet);
  static HWND TabControl(HWND sheet);
  // Presses the button with that id in the dialog.
  void PressButton(HWND dialog, int id) const;

  static std::wstring Text(HWND window);
  // Polls until the condition holds; false after the time-out.
  static bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds = 5000);

 private:
  DWORD m_uiThread;
};
