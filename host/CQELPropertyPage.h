#pragma once
// The host UI class library's property page base: a themed page with the framework's page
// behaviour; OnInitDialog moves the members into the controls.

#include <BCGCBProInc.h>

class CQELPropertyPage : public CBCGPPropertyPage {
 public:
  explicit CQELPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
};
