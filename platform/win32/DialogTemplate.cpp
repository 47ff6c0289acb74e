#include "DialogTemplate.h"

#include "WinUser.h"

namespace platform {

namespace {

// Reads the template's little-endian fields; every read fails past the end of the data.
class TemplateReader {
 public:
  TemplateReader(const BYTE* data, size_t size) : data_(data), size_(size) {}

  bool Byte(BYTE& out) {
    if (pos_ + 1 > size_) return false;
    out = data_[pos_++];
    return true;
  }
  bool Word(WORD& out) {
    BYTE low = 0;
    BYTE high = 0;
    if (!Byte(low) || !Byte(high)) return false;
    out = static_cast<WORD>(low | (high << 8));
    return true;
  }
  bool Short(short& out) {
    WORD value = 0;
    if (!Word(value)) return false;
    out = static_cast<short>(value);
    return true;
  }
  bool Dword(DWORD& out) {
    WORD low = 0;
    WORD high = 0;
    if (!Word(low) || !Word(high)) return false;
    out = low | (static_cast<DWORD>(high) << 16);
    return true;
  }
  bool String(std::u16string& out) {
    out.clear();
    for (WORD c = 0; Word(c);) {
      if (c == 0) return true;
      out += static_cast<char16_t>(c);
    }
    return false;
  }
  // A string, or 0xFFFF and a number (given back in ordinal), or 0x0000 for nothing.
  bool StringOrNumber(std::u16string& out, WORD& ordinal) {
    WORD first = 0;
    out.clear();
    ordinal = 0;
    if (!Word(first)) return false;
    if (first == 0xFFFF) return Word(ordinal);
    if (first == 0) return true;
    pos_ -= 2;
    return String(out);
  }
  bool Bytes(size_t count, std::vector<BYTE>& out) {
    if (count > size_ - pos_) return false;
    out.assign(data_ + pos_, data_ + pos_ + count);
    pos_ += count;
    return true;
  }
  void AlignToDword() { pos_ = (pos_ + 3) & ~static_cast<size_t>(3); }

 private:
  const BYTE* data_;
  size_t size_;
  size_t pos_ = 0;
};

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

bool ReadItem(TemplateReader& in, bool extended, DialogItemTemplate& item) {
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
  if (!in.StringOrNumber(item.className, atom) || !in.StringOrNumber(item.text, textNumber)) return false;
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
  TemplateReader in(data, size);
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
  if (!in.StringOrNumber(menu, ordinal) || !in.StringOrNumber(dialog.className, ordinal) || !in.String(dialog.title)) {
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
  dialog.items.resize(count);
  for (DialogItemTemplate& item : dialog.items) {
    if (!ReadItem(in, dialog.extended, item)) return std::nullopt;
  }
  return dialog;
}

}  // namespace platform
