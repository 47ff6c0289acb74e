#pragma once
// A class that handles commands and control notifications through its message map.

#include "CObject.h"
#include "MessageMap.h"

class CCmdTarget : public CObject {
 public:
  // Runs the first handler of the message map chain for the command or notification;
  // FALSE when no map has one.
  virtual BOOL OnCmdMsg(UINT nID, int nCode);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
};
