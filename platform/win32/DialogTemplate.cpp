#include "DialogTemplate.h"

#include <utility>

#include "LittleEndianReader.h"
#include "WinUser.h"

namespace platform {

namespace {

std::u16string PredefinedClass(WORD atom) {
  switch (atom) {
    case 0x80: return u"Button";
    case 0x81: return u"Edit";
    case 0x82: return u"Static";
    case 0x83: return u"ListBox";
    case 0x84: return u"ScrollBar";
    case 0x85: return u"ComboBox";
    default: return u"";
  }
}

bool ReadItem(LittleEndianReader& in, bool extended, DialogItemTemplate& item) {
  in.AlignToDword();
  DWORD helpId = 0;
  WORD id = 0;
  if (extended) {
    if (!in.Dword(helpId) || !in.Dword(item.exStyle) || !in.Dword(item.style)) return false;
  } else if (!in.Dword(item.style) || !in.Dword(item.exStyle)) {
    return false;
  }
  if (!in.Short(item.x) || !in.Short(item.y) || !in.Short(item.cx) || !in.Short(item.cy)) return false;
  if (extended ? !in.Dword(item.id) : !in.Word(id)) return false;
  if (!extended) item.id = id;
  WORD atom = 0;
  WORD textNumber = 0;
  if (!in.NameOrOrdinal(item.className, atom) || !in.NameOrOrdinal(item.text, textNumber)) return false;
  if (atom != 0) item.className = PredefinedClass(atom);
  WORD extra = 0;
  if (!in.Word(extra)) return false;
  // The extended form counts the creation data in bytes after the count; so does the plain one,
  // whose count includes its own word.
  const size_t count = extended ? extra : (extra >= 2 ? extra - 2u : 0u);
  return in.Bytes(count, item.creationData);
}

}  // namespace

std::optional<DialogTemplate> DialogTemplate::Read(const BYTE* data, size_t size) {
  if (data == nullptr) return std::nullopt;
  LittleEndianReader in(data, size);
  DialogTemplate dialog;
  WORD version = 0;
  WORD signature = 0;
  if (!in.Word(version) || !in.Word(signature)) return std::nullopt;
  dialog.extended = version == 1 && signature == 0xFFFF;
  WORD count = 0;
  if (dialog.extended) {
    DWORD helpId = 0;
    if (!in.Dword(helpId) || !in.Dword(dialog.exStyle) || !in.Dword(dialog.style)) return std::nullopt;
  } else {
    dialog.style = version | (static_cast<DWORD>(signature) << 16);
    if (!in.Dword(dialog.exStyle)) return std::nullopt;
  }
  if (!in.Word(count) || !in.Short(dialog.x) || !in.Short(dialog.y) || !in.Short(dialog.cx) || !in.Short(dialog.cy)) {
    return std::nullopt;
  }
  std::u16string menu;
  WORD ordinal = 0;
  if (!in.NameOrOrdinal(menu, ordinal) || !in.NameOrOrdinal(dialog.className, ordinal) || !in.String(dialog.title)) {
    return std::nullopt;
  }
  if (ordinal != 0) dialog.className.clear();  // a class given by atom is the dialog class here
  if (dialog.style & DS_SETFONT) {
    if (!in.Word(dialog.pointSize)) return std::nullopt;
    if (dialog.extended) {
      BYTE italic = 0;
      BYTE charset = 0;
      if (!in.Word(dialog.weight) || !in.Byte(italic) || !in.Byte(charset)) return std::nullopt;
      dialog.italic = italic != 0;
    }
    if (!in.String(dialog.typeface)) return std::nullopt;
  }
  // Items grow as they are read: a damaged count must not allocate for items the bytes cannot hold.
  for (WORD i = 0; i < count; ++i) {
    DialogItemTemplate item;
    if (!ReadItem(in, dialog.extended, item)) return std::nullopt;
    dialog.items.push_back(std::move(item));
  }
  return dialog;
}

}  // namespace platform
