#include "CDialogTemplate.h"

#include <string>
#include <windows.h>

#include "../win32/LittleEndianReader.h"

bool CDialogTemplate::ReadHeader(HINSTANCE module, UINT nID, Header& header) {
  HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(nID), RT_DIALOG);
  if (!resource) return false;
  const BYTE* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module, resource)));
  if (!data) return false;
  platform::LittleEndianReader reader(data, ::SizeofResource(module, resource));
  WORD version, signature;
  if (!reader.Word(version) || !reader.Word(signature)) return false;
  bool extended = version == 1 && signature == 0xFFFF;
  // DIALOGEX: help id, extended style, style; DIALOG: the rest of style, extended style.
  WORD count, x, y, cx, cy;
  if (!reader.Skip(extended ? 12 : 4) || !reader.Word(count) || !reader.Word(x) || !reader.Word(y) ||
      !reader.Word(cx) || !reader.Word(cy))
    return false;
  header.cx = static_cast<short>(cx);
  header.cy = static_cast<short>(cy);
  header.caption.Empty();
  std::u16string menu, className, caption;
  WORD ordinal;
  if (!reader.NameOrOrdinal(menu, ordinal) || !reader.NameOrOrdinal(className, ordinal) ||
      !reader.NameOrOrdinal(caption, ordinal))
    return false;
  for (char16_t unit : caption) header.caption += static_cast<WCHAR>(unit);
  return true;
}

CDialogTemplate::CDialogTemplate(DWORD style, DWORD exStyle, int cx, int cy, LPCWSTR caption) {
  AddDword(style | DS_SETFONT);
  AddDword(exStyle);
  m_words.push_back(0);  // item count, raised by AddItem
  m_words.push_back(0);
  m_words.push_back(0);
  m_words.push_back(static_cast<WORD>(cx));
  m_words.push_back(static_cast<WORD>(cy));
  m_words.push_back(0);  // no menu
  m_words.push_back(0);  // the dialog class
  AddString(caption);
  m_words.push_back(8);
  AddString(TEXT("MS Shell Dlg"));
}

void CDialogTemplate::AddItem(DWORD style, int x, int y, int cx, int cy, WORD id, WORD classAtom, LPCWSTR text) {
  AddItemHeader(style, x, y, cx, cy, id);
  m_words.push_back(0xFFFF);
  m_words.push_back(classAtom);
  AddString(text);
  m_words.push_back(0);  // no creation data
}

void CDialogTemplate::AddItem(DWORD style, int x, int y, int cx, int cy, WORD id, LPCWSTR className,
                              LPCWSTR text) {
  AddItemHeader(style, x, y, cx, cy, id);
  AddString(className);
  AddString(text);
  m_words.push_back(0);
}

void CDialogTemplate::AddItemHeader(DWORD style, int x, int y, int cx, int cy, WORD id) {
  if (m_words.size() % 2) m_words.push_back(0);  // items start on a DWORD boundary
  ++m_words[4];
  AddDword(style);
  AddDword(0);
  m_words.push_back(static_cast<WORD>(x));
  m_words.push_back(static_cast<WORD>(y));
  m_words.push_back(static_cast<WORD>(cx));
  m_words.push_back(static_cast<WORD>(cy));
  m_words.push_back(id);
}

void CDialogTemplate::AddString(LPCWSTR text) {
  for (LPCWSTR p = text; p && *p; ++p) m_words.push_back(*p);
  m_words.push_back(0);
}

void CDialogTemplate::AddDword(DWORD value) {
  m_words.push_back(static_cast<WORD>(value & 0xFFFF));
  m_words.push_back(static_cast<WORD>(value >> 16));
}
