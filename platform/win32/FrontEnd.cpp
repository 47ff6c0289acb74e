#include "FrontEnd.h"

#include "DefaultFrontEnd.h"
#include "WindowManager.h"

namespace platform {

namespace {

DefaultFrontEnd defaultFrontEnd;
FrontEnd* current = nullptr;

}  // namespace

FrontEnd* SetFrontEnd(FrontEnd* frontEnd) {
  FrontEnd* previous = current;
  current = frontEnd;
  return previous;
}

FrontEnd& CurrentFrontEnd() { return current ? *current : defaultFrontEnd; }

bool IsDialogEnded(HWND dialog) {
  // A dialog that no longer exists has ended too, so that no modal loop waits for it forever.
  const WindowPtr window = FindWindowObject(dialog);
  return !window || window->ended;
}

INT_PTR DialogResult(HWND dialog) {
  const WindowPtr window = FindWindowObject(dialog);
  return window ? window->endResult : 0;
}

}  // namespace platform
