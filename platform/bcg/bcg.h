#pragma once
// The themed control library, as a source file of the plug-in includes it.

#include "platform/bcg/CBCGPButton.h"
#include "platform/bcg/CBCGPComboBox.h"
#include "platform/bcg/CBCGPDialog.h"
#include "platform/bcg/CBCGPPropertyPage.h"
#include "platform/bcg/CBCGPPropertySheet.h"
#include "platform/mfc/afxwin.h"
