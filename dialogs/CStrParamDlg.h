#pragma once
// The "Parameters" page of String tags: retentive flags, startup value (free text of up to 1023
// characters) and unit. Loads when its window is first created, writes on OK.

#include "CParamDlgBase.h"
#include "resource.h"

class CStrParamDlg : public CParamDlgBase {
 public:
  CStrParamDlg(LPCTSTR tagName, CWnd* pParent);
  ~CStrParamDlg() override;

  enum { IDD = IDD_STR_PARAM };

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  CString LoadStartupValue() override;
};
