#pragma once
// The alarms page of an Integer or Real tag: one element's limit alarms HiHi, Hi, Lo and LoLo, the
// rate alarm with its unit, the deviation alarms with their setpoint, and the dead bands.

#include <BCGCBProInc.h>

#include "CDlgAlrBase.h"
#include "resource.h"

class CDlgAlrNum : public CDlgAlrBase {
 public:
  enum { IDD = IDD_ALR_NUM };

  // elementIndexField: the tag reference's element-index field (the negated element index).
  CDlgAlrNum(LPCTSTR tagName, int elementIndexField, CWnd* pParent);
  ~CDlgAlrNum() override;

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
  BOOL m_bDevMinusEnabled;
  BOOL m_bDevPlusEnabled;
  BOOL m_bHiEnabled;
  BOOL m_bHiHiEnabled;
  double m_dHiHiLimit;
  CString m_strHiHiMessage;
  int m_nHiHiPriority;
  double m_dHiLimit;
  CString m_strHiMessage;
  int m_nHiPriority;
  BOOL m_bLoEnabled;
  double m_dLoLimit;
  BOOL m_bLoLoEnabled;
  double m_dLoLoLimit;
  CString m_strLoLoMessage;
  int m_nLoLoPriority;
  CString m_strLoMessage;
  int m_nLoPriority;
  BOOL m_bRateEnabled;
  double m_dRateLimit;
  CString m_strRateMessage;
  int m_nRatePriority;
  int m_nRateUnit;
  CString m_strHiHiSelection;
  CString m_strHiSelection;
  CString m_strLoLoSelection;
  CString m_strLoSelection;
  CString m_strRateSelection;
  CString m_strDeviationSetpoint;
  double m_dDeadBand;
  double m_dDeviationDeadBand;
  double m_dDevMinusLimit;
  CString m_strDevMinusMessage;
  int m_nDevMinusPriority;
  CString m_strDevMinusSelection;
  int m_nDevPlusGroup;
  double m_dDevPlusLimit;
  CString m_strDevPlusMessage;
  int m_nDevPlusPriority;
  CString m_strDevPlusSelection;
  int m_nHiGroup;
  int m_nHiHiGroup;
  int m_nLoGroup;
  int m_nLoLoGroup;
  int m_nRateGroup;
  int m_nDevMinusGroup;

  CBCGPComboBox m_cmbRateUnit;

 private:
  AlarmRow m_rows[7];
};
