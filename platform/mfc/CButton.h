#pragma once
// A button or check box control.

#include "CWnd.h"

class CButton : public CWnd {
 public:
  int GetCheck() const;
  void SetCheck(int nCheck);
};
