#pragma once
// The themed property page: a framework page whose themed look is a flag.

#include "../mfc/CPropertyPage.h"

class CBCGPPropertyPage : public CPropertyPage {
 public:
  explicit CBCGPPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);

  void EnableVisualManagerStyle(BOOL bEnable = TRUE);
  BOOL IsVisualManagerStyle() const { return m_bVisualManagerStyle; }

 private:
  BOOL m_bVisualManagerStyle = FALSE;
};
