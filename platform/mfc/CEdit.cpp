#include "CEdit.h"

void CEdit::SetSel(int nStart, int nEnd, BOOL bNoScroll) {
  SendMessage(EM_SETSEL, static_cast<WPARAM>(nStart), nEnd);
  if (!bNoScroll) SendMessage(EM_SCROLLCARET);
}

void CEdit::LimitText(int nChars) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(nChars)); }

BOOL CEdit::SetReadOnly(BOOL bReadOnly) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(bReadOnly))); }
