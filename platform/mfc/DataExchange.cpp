#include "DataExchange.h"

#include <charconv>
#include <climits>
#include <string>

#include "AfxMessageBox.h"
#include "CWnd.h"
#include "FrameworkPrompts.h"

namespace {

bool IsBlank(WCHAR ch) { return ch == TEXT(' ') || (ch >= TEXT('\t') && ch <= TEXT('\r')); }

CString WindowText(HWND control) {
  CString text;
  CWnd::FromHandle(control)->GetWindowText(text);
  return text;
}

// Sets the text only when it changes, so that the caret and selection of an edit the user
// is typing in stay where they are.
void SetWindowTextIfChanged(HWND control, const CString& text) {
  if (WindowText(control) != text) ::SetWindowTextW(control, text);
}

[[noreturn]] void FailWith(CDataExchange* pDX, const CString& prompt) {
  AfxMessageBox(prompt, MB_ICONEXCLAMATION);
  pDX->Fail();
}

// The text without its surrounding blanks, as ASCII; false when it holds anything else.
bool TrimmedAscii(const CString& text, std::string& out) {
  CString trimmed(text);
  trimmed.Trim();
  out.clear();
  for (int i = 0; i < trimmed.GetLength(); ++i) {
    if (trimmed[i] > 0x7F || IsBlank(trimmed[i])) return false;
    out += static_cast<char>(trimmed[i]);
  }
  return true;
}

bool ParseInt(const CString& text, int& value) {
  std::string ascii;
  if (!TrimmedAscii(text, ascii) || ascii.empty()) return false;
  const char* first = ascii.data();
  if (*first == '+' && first[1] != '-') ++first;
  long long parsed = 0;
  auto [end, error] = std::from_chars(first, ascii.data() + ascii.size(), parsed);
  if (error != std::errc() || end != ascii.data() + ascii.size() || parsed < INT_MIN || parsed > INT_MAX) return false;
  value = static_cast<int>(parsed);
  return true;
}

bool ParseReal(const CString& text, double& value) {
  std::string ascii;
  if (!TrimmedAscii(text, ascii) || ascii.empty()) return false;
  const char* first = ascii.data();
  if (*first == '+' && first[1] != '-') ++first;
  double parsed = 0.0;
  auto [end, error] = std::from_chars(first, ascii.data() + ascii.size(), parsed);
  if (error != std::errc() || end != ascii.data() + ascii.size()) return false;
  value = parsed;
  return true;
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
  HWND control = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    if (!ParseInt(WindowText(control), value)) FailWith(pDX, afx_prompt::Load(AFX_IDP_PARSE_INT, afx_prompt::kInteger));
  } else {
    CString text;
    text.Format(TEXT("%d"), value);
    SetWindowTextIfChanged(control, text);
  }
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
  HWND control = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    if (!ParseReal(WindowText(control), value)) {
      FailWith(pDX, afx_prompt::Load(AFX_IDP_PARSE_REAL, afx_prompt::kNumber));
    }
  } else {
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    CString text;
    for (const char* p = buffer; error == std::errc() && p != end; ++p) text += static_cast<WCHAR>(*p);
    SetWindowTextIfChanged(control, text);
  }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  HWND control = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate)
    value = WindowText(control);
  else
    SetWindowTextIfChanged(control, value);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  HWND control = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate)
    value = static_cast<int>(::SendMessageW(control, BM_GETCHECK, 0, 0));
  else
    ::SendMessageW(control, BM_SETCHECK, value == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
  HWND control = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate)
    index = static_cast<int>(::SendMessageW(control, CB_GETCURSEL, 0, 0));
  else
    ::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (!rControl.m_hWnd) rControl.SubclassWindow(pDX->PrepareCtrl(nIDC));
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
  if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
  CString prompt;
  prompt.Format(afx_prompt::Load(AFX_IDP_PARSE_INT_RANGE, afx_prompt::kIntegerRange), minVal, maxVal);
  FailWith(pDX, prompt);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
  if (!pDX->m_bSaveAndValidate) {
    if (pDX->m_bEditLastControl)
      ::SendMessageW(::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, pDX->m_idLastControl), EM_LIMITTEXT,
                     static_cast<WPARAM>(nChars), 0);
    return;
  }
  if (value.GetLength() <= nChars) return;
  CString prompt;
  prompt.Format(afx_prompt::Load(AFX_IDP_PARSE_STRING_SIZE, afx_prompt::kMaxChars), nChars);
  FailWith(pDX, prompt);
}
