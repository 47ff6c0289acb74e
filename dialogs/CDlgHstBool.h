#pragma once
// The History page of Boolean and String tags: per element, history enabled and group.

#include "CDlgHstBase.h"

class CDlgHstBool : public CDlgHstBase {
 public:
  CDlgHstBool(LPCTSTR tagName, int elementIndexField, CWnd* pParent);
  ~CDlgHstBool() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
};
