#pragma once
// One row of an alarms page as the shared alarm procedures see it: the host's alarm type code of
// the row, its check box, the page members that hold its values and the controls that show them.
// A page builds its table once, in save order, pointing at its own members.

#include <afxwin.h>

struct AlarmRow {
  DWORD code;
  int checkId;
  BOOL* enabled;
  CString* message;
  CString* selection;
  int* group;
  int* priority;
  // Null on a page without limits.
  double* limit;
  // Null on every row but Rate.
  int* rateUnit;
  // The controls shown while the row is checked and hidden while it is not; unused entries 0.
  int valueIds[6];
};
