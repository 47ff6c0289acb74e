#pragma once
// The "Parameters" page of Integer and Real tags: retentive flags, startup value, engineering range
// and unit, dead band and smoothing. Loads when its window is first created, writes on OK.

#include "CParamDlgBase.h"
#include "resource.h"

class CNumParamDlg : public CParamDlgBase {
 public:
  CNumParamDlg(LPCTSTR tagName, CWnd* pParent);
  ~CNumParamDlg() override;

  enum { IDD = IDD_NUM_PARAM };

  double m_dEngMax;
  double m_dEngMin;
  BOOL m_bSmoothing;
  BOOL m_bDeadBandEnabled;
  double m_dDeadBand;
  BOOL m_bIsReal;
  CButton m_chkDeadBandEnabled;
  CEdit m_edDeadBand;

 protected:
  DECLARE_MESSAGE_MAP()

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void LoadFields(const ParamRecord& param) override;
  void SaveFields(ParamRecord& param) const override;

  void OnDeadBandClicked();
};
