#pragma once
// The themed dialog: a framework dialog whose themed look is a flag.

#include "../mfc/CDialog.h"

class CBCGPDialog : public CDialog {
 public:
  explicit CBCGPDialog(UINT nIDTemplate, CWnd* pParent = nullptr);

  // Themes the dialog's client area, and its caption and frame when bNCArea is set. The
  // third argument (controls to leave unthemed) is accepted and not used.
  void EnableVisualManagerStyle(BOOL bEnable = TRUE, BOOL bNCArea = FALSE, const void* plstNonSubclassedItems = nullptr);
  BOOL IsVisualManagerStyle() const { return m_bVisualManagerStyle; }
  BOOL IsVisualManagerNCArea() const { return m_bVisualManagerNCArea; }

 private:
  BOOL m_bVisualManagerStyle = FALSE;
  BOOL m_bVisualManagerNCArea = FALSE;
};
