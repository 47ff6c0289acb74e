#pragma once
// A combo box control. Indexes are 0-based; CB_ERR (-1) means none.

#include "CWnd.h"

class CComboBox : public CWnd {
 public:
  int AddString(LPCWSTR text);
  int InsertString(int nIndex, LPCWSTR text);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  void GetLBText(int nIndex, CString& text) const;
  // Searches after nStartAfter (-1: from the start), ignoring case.
  int FindStringExact(int nStartAfter, LPCWSTR text) const;
  // Selects the first item that begins with the text, ignoring case.
  int SelectString(int nStartAfter, LPCWSTR text);
};
