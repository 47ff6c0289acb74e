#pragma once
// The framework, as a source file of the plug-in includes it.

#include "platform/mfc/AfxMessageBox.h"
#include "platform/mfc/AfxModuleState.h"
#include "platform/mfc/CButton.h"
#include "platform/mfc/CComboBox.h"
#include "platform/mfc/CDataExchange.h"
#include "platform/mfc/CDialog.h"
#include "platform/mfc/CEdit.h"
#include "platform/mfc/CPropertyPage.h"
#include "platform/mfc/CPropertySheet.h"
#include "platform/mfc/CString.h"
#include "platform/mfc/CUserException.h"
#include "platform/mfc/CWinApp.h"
#include "platform/mfc/CWnd.h"
#include "platform/mfc/DataExchange.h"
#include "platform/win32/Windows.h"
