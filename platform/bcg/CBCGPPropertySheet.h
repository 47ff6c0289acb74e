#pragma once
// The themed property sheet: the framework's sheet under the themed class name.

#include "../mfc/CPropertySheet.h"

class CBCGPPropertySheet : public CPropertySheet {
 public:
  explicit CBCGPPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
  explicit CBCGPPropertySheet(LPCWSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
};
