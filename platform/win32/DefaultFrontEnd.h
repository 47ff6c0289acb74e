#pragma once
// The front end in use when no other is installed: nobody is there to answer, so a modal
// dialog ends at once as cancelled and a message box is printed and taken as read.

#include "FrontEnd.h"

namespace platform {

class DefaultFrontEnd : public FrontEnd {
 public:
  void RunModal(HWND dialog) override;
  int ShowMessageBox(HWND owner, const std::u16string& text, const std::u16string& caption, UINT type) override;
};

}  // namespace platform
