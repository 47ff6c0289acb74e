#pragma once
// The framework's core, as a source file of the plug-in includes it: strings, windows, dialogs,
// controls, data exchange, message boxes, the application object and its module state.

#include <windows.h>

#include "../../mfc/AfxMessageBox.h"
#include "../../mfc/AfxModuleState.h"
#include "../../mfc/AfxVisibility.h"
#include "../../mfc/CButton.h"
#include "../../mfc/CComboBox.h"
#include "../../mfc/CDataExchange.h"
#include "../../mfc/CDialog.h"
#include "../../mfc/CEdit.h"
#include "../../mfc/CString.h"
#include "../../mfc/CUserException.h"
#include "../../mfc/CWinApp.h"
#include "../../mfc/CWnd.h"
#include "../../mfc/DataExchange.h"
