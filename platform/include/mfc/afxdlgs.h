#pragma once
// The framework's standard dialogs: the property page and the property sheet.

#include <afxwin.h>

#include "../../mfc/CPropertyPage.h"
#include "../../mfc/CPropertySheet.h"
