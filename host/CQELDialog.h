#pragma once
// The host UI class library's dialog base: a themed dialog with the framework's dialog behaviour.

#include <BCGCBProInc.h>

class CQELDialog : public CBCGPDialog {
 public:
  CQELDialog(UINT nIDTemplate, CWnd* pParent = nullptr);
};
