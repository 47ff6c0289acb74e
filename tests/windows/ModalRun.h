#pragma once
// One call of a plug-in export that shows a modal window, with a person acting on that window from
// a second thread. When the person is done and the call has not come back, every dialog still
// open is cancelled (message boxes first), so that a failing test ends instead of hanging.

#include <windows.h>

#include <functional>

#include "WindowDriver.h"

class ModalRun {
 public:
  // Runs call on this thread and person on another; the call's result.
  static BOOL Run(const std::function<BOOL()>& call, const std::function<void(WindowDriver&)>& person);
};
