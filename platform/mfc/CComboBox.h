#pragma once
// A combo box control. Indexes are 0-based; CB_ERR (-1) means none.

#include "CWnd.h"

class CComboBox : public CWnd {
 public:
  int AddString(LPCWSTR text);
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  void GetLBText(int nIndex, CString& text) const;
  // Selects the first item that begins with the text, ignoring case.
  int SelectString(int nStartAfter, LPCWSTR text);
};
