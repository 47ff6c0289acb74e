#pragma once
// What the two History pages share: the element they show, its lookup in the host's records, and
// the switching of the element through the Array Index field. Each page brings its own template,
// its own exchange order and, on the numeric page, the log dead band.

#include <Orvik.h>
#include <OrvikClasses.h>
#include <afxwin.h>

class CDlgHstBase : public CQELPropertyPage {
 public:
  ~CDlgHstBase() override;

  // Shows the element whose index the array index member holds.
  void LoadHistoryConfig();
  // Writes what the controls show to the element they were loaded from. Zero when a field was
  // refused: nothing is written then.
  int SaveHistoryConfig();

 protected:
  // elementIndexField: the element-index field of the sheet's tag reference (the element negated).
  CDlgHstBase(UINT templateId, LPCTSTR tagName, int elementIndexField);

  // The rest of OnInitDialog once the tag was found: read-only for a system tag, the element the
  // sheet's reference addressed (or the Array Index field hidden on a scalar), then its settings.
  BOOL ShowFirstElement(const VarRef& ref);

  DECLARE_MESSAGE_MAP()

  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  void OnArrayIndexChange();

  // The element record's fields beyond the history flags; only the numeric page has one.
  virtual void LoadElementFields(const VarRecord& record);
  virtual void SaveElementFields(VarRecord& record) const;

  int m_nHistoryGroup;
  BOOL m_bHistoryEnabled;
  int m_nArrayIndex;
  CString m_strTagName;
  int m_nArraySize;
  int m_nElementIndexField;
  CEdit m_edArrayIndex;

 private:
  bool IsElement(int index) const;
  // Finds the record of one element of the tag; the reference is left addressing it.
  BOOL FindElement(int index, VarRef& ref, VarRecord*& record) const;
};
