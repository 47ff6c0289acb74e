#pragma once
// The "Parameters" page of String tags: retentive flags, startup value (free text of up to 1023
// characters) and unit. Loads when its window is first created, writes on OK.

#include <BCGCBProInc.h>
#include <OrvikClasses.h>

#include "resource.h"

class CStrParamDlg : public CQELPropertyPage {
 public:
  CStrParamDlg(LPCWSTR tagName, CWnd* pParent);
  ~CStrParamDlg() override;

  enum { IDD = IDD_STR_PARAM };

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
