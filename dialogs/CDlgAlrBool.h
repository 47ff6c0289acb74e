#pragma once
// The alarms page of a Boolean tag: one element's alarm rows Off, On and Changed and their texts.

#include <OrvikClasses.h>

#include "resource.h"

class CDlgAlrBool : public CQELPropertyPage {
 public:
  enum { IDD = IDD_ALR_BOOL };

  // elementIndexField: the tag reference's element-index field (the negated element index).
  CDlgAlrBool(LPCWSTR tagName, int elementIndexField, CWnd* pParent);

 private:
  CString m_strTagName;
};
