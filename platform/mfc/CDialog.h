#pragma once
// A modal dialog from a dialog template of the current resource module.

#include "CWnd.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

  // Runs the dialog modally; IDOK, IDCANCEL or what EndDialog was given; -1 when the
  // template cannot be found.
  virtual INT_PTR DoModal();
  // Fills the combo boxes from the template's initial data, then moves the members into
  // the controls. TRUE: the system puts the focus on the first control.
  virtual BOOL OnInitDialog();
  void EndDialog(int nResult);

  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

 protected:
  // IDOK: validates and moves the controls into the members, then ends the dialog with IDOK.
  virtual void OnOK();
  // IDCANCEL (the Cancel button, Escape, a posted IDCANCEL command): ends it with IDCANCEL.
  virtual void OnCancel();

  UINT m_nIDHelp;
  CWnd* m_pParentWnd;

  DECLARE_MESSAGE_MAP()

 private:
  // The template's initial control data (RT_DLGINIT): items added to combo boxes, their
  // text 8-bit Windows-1252.
  void ExecuteDlgInit();
};
