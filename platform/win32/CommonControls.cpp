#include "CommCtrl.h"

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) { return init != nullptr; }
