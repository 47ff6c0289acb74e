#pragma once
// The alarms page of a Boolean tag: one element's alarm rows Off, On and Changed, and the texts
// that the alarm control shows for the values Off and On and for an acknowledgement.

#include "CDlgAlrBase.h"
#include "resource.h"

class CDlgAlrBool : public CDlgAlrBase {
 public:
  enum { IDD = IDD_ALR_BOOL };

  // elementIndexField: the tag reference's element-index field (the negated element index).
  CDlgAlrBool(LPCTSTR tagName, int elementIndexField, CWnd* pParent);
  ~CDlgAlrBool() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  std::span<const AlarmRow> Rows() const override;
  std::span<const int> Headings() const override;
  void ResetAlarmFields() override;
  void LoadInfoFields(const AlarmInfoRecord& info) override;
  void SaveInfoFields(VarRecord& record, AlarmInfoRecord& info) override;

  DECLARE_MESSAGE_MAP()

  // Alarms enabled, the remote-acknowledge tag, the element index, translation enabled, the tag
  // name and the element range are the base's members.
  BOOL m_bChangedEnabled;
  CString m_strChangedMessage;
  int m_nChangedPriority;
  BOOL m_bOffEnabled;
  CString m_strOffMessage;
  int m_nOffPriority;
  BOOL m_bOnEnabled;
  CString m_strOnMessage;
  int m_nOnPriority;
  int m_nChangedGroup;
  CString m_strChangedSelection;
  int m_nOffGroup;
  CString m_strOffSelection;
  int m_nOnGroup;
  CString m_strOnSelection;
  // Not reset by a load: an element without alarms shows the texts of the element shown before.
  CString m_strOffText;
  CString m_strOnText;
  CString m_strAckText;

 private:
  AlarmRow m_rows[3];
};
