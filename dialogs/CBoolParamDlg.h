#pragma once
// The "Parameters" page of Boolean tags: retentive flags, startup value (blank, 0 or 1) and unit.
// Loads when its window is first created, writes on OK.

#include "CParamDlgBase.h"
#include "resource.h"

class CBoolParamDlg : public CParamDlgBase {
 public:
  CBoolParamDlg(LPCTSTR tagName, CWnd* pParent);
  ~CBoolParamDlg() override;

  enum { IDD = IDD_BOOL_PARAM };

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};
