#pragma once
// The "Parameters" page of Integer and Real tags: retentive flags, startup value, engineering range
// and unit, dead band and smoothing. Loads when its window is first created, writes on OK.

#include <BCGCBProInc.h>
#include <OrvikClasses.h>

#include "resource.h"

class CNumParamDlg : public CQELPropertyPage {
 public:
  CNumParamDlg(LPCWSTR tagName, CWnd* pParent);
  ~CNumParamDlg() override;

  enum { IDD = IDD_NUM_PARAM };

  CString m_strUnit;
  double m_dEngMax;
  double m_dEngMin;
  BOOL m_bRetentiveParameters;
  BOOL m_bRetentiveValue;
  BOOL m_bSmoothing;
  BOOL m_bDeadBandEnabled;
  double m_dDeadBand;
  CString m_strStartupValue;
  CString m_strTagName;
  BOOL m_bIsReal;
  CBCGPButton m_btnRetentiveParameters;

 protected:
  DECLARE_MESSAGE_MAP()

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  void OnDeadBandClicked();
};
