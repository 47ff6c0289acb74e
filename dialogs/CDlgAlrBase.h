#pragma once
// What the two Alarms pages share: the element they show and its lookup in the host's records,
// loading and saving an element's alarm configuration over the page's row table, the commit and
// the notification of the background task, switching the element through the Array Index field,
// and the row check boxes with the visibility of the row values. Each page brings its template,
// its row table, its exchange order and the info fields of its own.

#include <span>

#include <Orvik.h>
#include <OrvikClasses.h>
#include <afxwin.h>

#include "AlarmRow.h"

class CDlgAlrBase : public CQELPropertyPage {
 public:
  ~CDlgAlrBase() override;

  // Shows the alarm configuration of the element whose index the current element index holds.
  void LoadAlarmConfig();
  // Writes what the controls show to the element they were loaded from, commits it and tells the
  // background task. FALSE when a field was refused: nothing is written then.
  BOOL SaveAlarmConfig();

 protected:
  // elementIndexField: the element-index field of the sheet's tag reference (the element negated).
  CDlgAlrBase(UINT templateId, LPCTSTR tagName, int elementIndexField);

  // The page's rows in save order, and the column headings shown while any row is checked.
  virtual std::span<const AlarmRow> Rows() const = 0;
  virtual std::span<const int> Headings() const = 0;
  // Puts the page's own configuration members back to their defaults before a load.
  virtual void ResetAlarmFields() = 0;
  // The fields of the element's info record that only this page shows.
  virtual void LoadInfoFields(const AlarmInfoRecord& info) = 0;
  virtual void SaveInfoFields(VarRecord& record, AlarmInfoRecord& info) = 0;

  // The part of OnInitDialog that finds the element: read-only for a system tag, the element the
  // sheet's reference addressed (or the Array Index field hidden on a scalar). FALSE when the
  // host does not know the tag.
  BOOL SetUpElement();
  // The element's configuration on screen, with the rows' values shown or hidden.
  void ShowElement();
  void UpdateRowVisibility();

  void OnOK() override;
  void OnArrayIndexChange();
  void OnTranslationClicked();
  void OnRowCheckClicked(int row);
  // The click handler of the row at that place of the row table.
  template <int Row>
  void OnRowClicked() {
    OnRowCheckClicked(Row);
  }

  // Exchanges that both pages make: a priority in 0 to 255; a group, refused above 4095 (stored in
  // 12 bits, a higher group would come back as another one); a text of at most maxChars.
  static void DDX_Priority(CDataExchange* pDX, int nIDC, int& value);
  static void DDX_Group(CDataExchange* pDX, int nIDC, int& value);
  static void DDX_LimitedText(CDataExchange* pDX, int nIDC, CString& value, int maxChars);

  // The text of a host record's text field of that many units, without relying on a terminator.
  static CString FieldText(const WCHAR* field, int capacity);

  // Messages of the rows that have a limit on their length, and every selection.
  static constexpr int kMessageMaxChars = 255;
  static constexpr int kSelectionMaxChars = 7;

  DECLARE_MESSAGE_MAP()

  BOOL m_bAlarmsEnabled;
  CString m_strRemoteAckTag;
  int m_nElementIndex;
  BOOL m_bTranslationEnabled;
  CString m_strTagName;
  int m_nMaxElementIndex;
  int m_nElementIndexArg;

 private:
  bool IsElement(int index) const;
  // Finds the record of one element of the tag; the reference is left addressing it.
  BOOL FindElement(int index, VarRef& ref, VarRecord*& record) const;
  void LoadTypeFields(const AlarmTypeRecord& type);
  void SaveRow(VarRecord& record, const AlarmRow& row) const;
};
