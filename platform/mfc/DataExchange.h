#pragma once
// The framework's data exchange between members and controls. Each DDX_ function moves one
// member: to its control when loading, from it when saving, refusing what does not parse.
// A DDV_ function checks the member just exchanged; it must follow that DDX_ call.
// A refusal shows the framework's prompt and fails the exchange (CDataExchange::Fail).

#include "CDataExchange.h"
#include "CString.h"

class CWnd;

// An integer: blanks around the number are allowed; nothing else.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
// A real number, shown in general notation with up to 15 significant digits.
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// A check box's state: 0 unchecked, 1 checked.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// A combo box's selected index, -1 for none.
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// Binds the control object to the control the first time.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// When saving: minVal <= value <= maxVal.
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
// When loading: limits the edit's text to nChars. When saving: refuses a longer text.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
