#pragma once
// Dialog templates as the framework handles them itself: it reads a page template's caption
// and size (for the sheet's tabs and layout before the page exists), and builds the sheet's
// own frame in memory.

#include <string>
#include <vector>

#include "CString.h"
#include <windows.h>

class CDialogTemplate {
 public:
  struct Header {
    CString caption;
    int cx = 0;
    int cy = 0;
  };
  // Caption and size of template nID of the module (DIALOG or DIALOGEX form); false when
  // the module has no such template.
  static bool ReadHeader(HINSTANCE module, UINT nID, Header& header);

  // Starts an in-memory template (DIALOG form, 8-point "MS Shell Dlg").
  CDialogTemplate(DWORD style, DWORD exStyle, int cx, int cy, LPCWSTR caption);
  // Adds a control of a predefined class (0x0080 button, ...) or of a named class.
  void AddItem(DWORD style, int x, int y, int cx, int cy, WORD id, WORD classAtom, LPCWSTR text);
  void AddItem(DWORD style, int x, int y, int cx, int cy, WORD id, LPCWSTR className, LPCWSTR text);
  LPCDLGTEMPLATEW Get() const { return reinterpret_cast<LPCDLGTEMPLATEW>(m_words.data()); }

 private:
  void AddItemHeader(DWORD style, int x, int y, int cx, int cy, WORD id);
  void AddString(LPCWSTR text);
  void AddDword(DWORD value);

  std::vector<WORD> m_words;
};
