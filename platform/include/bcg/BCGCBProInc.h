#pragma once
// The themed control library, as a source file of the plug-in includes it.

#include <afxdlgs.h>
#include <afxwin.h>

#include "../../bcg/CBCGPButton.h"
#include "../../bcg/CBCGPComboBox.h"
#include "../../bcg/CBCGPDialog.h"
#include "../../bcg/CBCGPPropertyPage.h"
#include "../../bcg/CBCGPPropertySheet.h"
