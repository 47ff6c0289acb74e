#include "CDialog.h"

#include <windows.h>

#include "AfxModuleState.h"
#include "../win32/DlgInit.h"

// The framework's resource type of a template's initial control data.
#ifndef RT_DLGINIT
#define RT_DLGINIT MAKEINTRESOURCEW(240)
#endif

namespace {

// The template's add-a-string record carries the 16-bit era's message number.
constexpr WORD kDlgInitAddString = 0x0403;

// Windows-1252 0x80 to 0x9F; the other bytes are their own code points.
constexpr WCHAR kCp1252High[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

CString FromCp1252(const BYTE* text, DWORD length) {
  CString out;
  for (DWORD i = 0; i < length && text[i] != 0; ++i)
    out += text[i] >= 0x80 && text[i] <= 0x9F ? kCp1252High[text[i] - 0x80] : static_cast<WCHAR>(text[i]);
  return out;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, &CDialog::OnOK)
  ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}

INT_PTR CDialog::DoModal() {
  HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetForegroundWindow();
  return ::DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDHelp), parent, AfxDlgProc,
                           reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::OnInitDialog() {
  ExecuteDlgInit();
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_INITDIALOG) {
    *pResult = OnInitDialog();
    return TRUE;
  }
  return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::ExecuteDlgInit() {
  HINSTANCE module = AfxGetResourceHandle();
  HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(m_nIDHelp), RT_DLGINIT);
  if (!resource) return;
  const BYTE* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module, resource)));
  const platform::DlgInit init = platform::DlgInit::Read(data, ::SizeofResource(module, resource));
  for (const platform::DlgInitEntry& entry : init.entries) {
    if (entry.message == kDlgInitAddString || entry.message == CB_ADDSTRING) {
      CString text = FromCp1252(entry.data, entry.length);
      ::SendDlgItemMessageW(m_hWnd, entry.control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.GetString()));
    }
  }
}
