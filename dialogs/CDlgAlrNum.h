#pragma once
// The alarms page of an Integer or Real tag: one element's limit alarms, rate and deviation.

#include <OrvikClasses.h>

#include "resource.h"

class CDlgAlrNum : public CQELPropertyPage {
 public:
  enum { IDD = IDD_ALR_NUM };

  // elementIndexField: the tag reference's element-index field (the negated element index).
  CDlgAlrNum(LPCWSTR tagName, int elementIndexField, CWnd* pParent);

 private:
  CString m_strTagName;
};
