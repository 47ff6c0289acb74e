#include "ModalRun.h"

#include <atomic>
#include <thread>

BOOL ModalRun::Run(const std::function<BOOL()>& call, const std::function<void(WindowDriver&)>& person) {
  DWORD uiThread = GetCurrentThreadId();
  std::atomic<bool> returned = false;
  std::thread actor([&] {
    WindowDriver driver(uiThread);
    person(driver);
    while (!WindowDriver::WaitUntil([&] { return returned.load(); }, 3000)) {
      HWND open = driver.FindOtherDialog(nullptr);
      if (!open) continue;
      HWND above = driver.FindOtherDialog(open);
      // A message box over the dialog is the one a person can answer.
      PostMessageW(above && !IsWindowEnabled(open) ? above : open, WM_COMMAND, IDCANCEL, 0);
    }
  });
  BOOL result = call();
  returned = true;
  actor.join();
  return result;
}
