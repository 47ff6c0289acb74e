#pragma once
// The History page of Integer and Real tags: per element, history enabled, group and log dead band.

#include "CDlgHstBase.h"

class CDlgHstNum : public CDlgHstBase {
 public:
  CDlgHstNum(LPCTSTR tagName, int elementIndexField, CWnd* pParent);
  ~CDlgHstNum() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void LoadElementFields(const VarRecord& record) override;
  void SaveElementFields(VarRecord& record) const override;

  double m_dLogDeadBand;
};
