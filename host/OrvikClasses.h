#pragma once
// The host UI class library: the dialog and page bases, start-up, the host's validators and text
// helpers.

#include <afxwin.h>
#include <windows.h>

#include "CQELDialog.h"
#include "CQELPropertyPage.h"

// Once, before the first dialog or page of the library is built.
BOOL InitializeOrvikClasses(int reserved);

// Validators: when saving, a refused text is reported in a message box and fails the exchange
// (the focus goes back to the control exchanged last); when loading they do nothing.
// DDV_TagName: empty (no tag), or a tag name: a letter or an underscore, then letters, digits and
// underscores, optionally followed by [index] and .Member; no blanks, at most 255 characters.
void DDV_TagName(CDataExchange* pDX, const CString& value);
// DDV_VarVal: empty, a tag name as for DDV_TagName, or a number (optional sign, digits, optional
// fraction and exponent), with no blanks.
void DDV_VarVal(CDataExchange* pDX, const CString& value);

// Removes blanks, tabs and line breaks at both ends, in place.
void Trim(LPWSTR text);
void Trim(CString& text);

// A whole number: an optional sign and decimal digits, nothing else, within the range of int.
// Sets value and returns non-zero when the text is one.
BOOL __AfxSimpleIntegerParse(LPCWSTR text, int& value);
