#pragma once
// A page of a property sheet, from a dialog template of the current resource module. Its
// window exists from the moment the sheet first shows it until the sheet closes.

#include "CDialog.h"

class CPropertyPage : public CDialog {
 public:
  // Caption id 0: the tab shows the template's caption.
  explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);

  // The page becomes the active one. After the first time it moves the members into the
  // controls again. The sheet does not look at the result.
  virtual BOOL OnSetActive();
  // The page is left, or OK is pressed while it is active: validates and moves the controls
  // into the members. FALSE keeps the page active.
  virtual BOOL OnKillActive();
  // OK of the sheet, for every page whose window exists, after the active page passed.
  void OnOK() override;
  // Cancel of the sheet, for every page whose window exists.
  void OnCancel() override;
  // Runs OnOK; FALSE keeps the sheet open.
  virtual BOOL OnApply();

 private:
  friend class CPropertySheet;

  UINT m_nIDCaption;
  BOOL m_bFirstSetActive = TRUE;
};
