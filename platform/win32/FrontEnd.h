#pragma once
// The one replaceable front end through which modal loops run and message boxes
// are shown: the scripted user in tests and scripts, the terminal for a person.

#include <string>

#include "WinTypes.h"

namespace platform {

class FrontEnd {
 public:
  virtual ~FrontEnd() = default;
  // Runs the modal loop of a dialog window: returns once EndDialog was called on it.
  virtual void RunModal(HWND dialog) = 0;
  // Shows a message box and returns the id of the button that closed it.
  virtual int ShowMessageBox(HWND owner, const std::u16string& text, const std::u16string& caption,
                             UINT type) = 0;
};

// The front end in use; the previous one is returned so that callers can restore it.
FrontEnd* SetFrontEnd(FrontEnd* frontEnd);
FrontEnd& CurrentFrontEnd();

// True once EndDialog was called on the dialog.
bool IsDialogEnded(HWND dialog);
// The result EndDialog was given (meaningful once IsDialogEnded).
INT_PTR DialogResult(HWND dialog);

// The state GetKeyState reports, set by whoever delivers keys (Shift+Tab, Ctrl+PgDn).
void SetKeyDown(int virtualKey, bool down);

}  // namespace platform
