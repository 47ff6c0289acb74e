#pragma once
// The "Parameters" page of Boolean tags: retentive flags, startup value (blank, 0 or 1) and unit.
// Loads when its window is first created, writes on OK.

#include <BCGCBProInc.h>
#include <OrvikClasses.h>

#include "resource.h"

class CBoolParamDlg : public CQELPropertyPage {
 public:
  CBoolParamDlg(LPCWSTR tagName, CWnd* pParent);
  ~CBoolParamDlg() override;

  enum { IDD = IDD_BOOL_PARAM };

  BOOL m_bRetentiveParameters;
  BOOL m_bRetentiveValue;
  CString m_strStartupValue;
  CString m_strUnit;
  CString m_strTagName;
  CBCGPButton m_btnRetentiveParameters;

 protected:
  DECLARE_MESSAGE_MAP()

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
};
