#pragma once
// An edit control.

#include "CWnd.h"

class CEdit : public CWnd {
 public:
  // Selects from nStart to nEnd (-1: the end) and, unless told not to, scrolls the caret
  // into view.
  void SetSel(int nStart, int nEnd, BOOL bNoScroll = FALSE);
  void LimitText(int nChars = 0);
  BOOL SetReadOnly(BOOL bReadOnly = TRUE);
};
