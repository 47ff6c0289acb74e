#include "ResourceTable.h"

#include "LittleEndianReader.h"
#include "TextConversion.h"

namespace platform {

namespace {

bool ReadId(LittleEndianReader& reader, ResourceId& out) { return reader.NameOrOrdinal(out.name, out.number); }

bool Matches(const ResourceId& id, const ResourceId& wanted) {
  return id.IsNumber() ? wanted.IsNumber() && id.number == wanted.number
                       : !wanted.IsNumber() && EqualsIgnoreCase(id.name, wanted.name);
}

}  // namespace

ResourceId ToResourceId(LPCWSTR value) {
  ResourceId id;
  if (value == nullptr) return id;
  if (IS_INTRESOURCE(value)) {
    id.number = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(value));
    return id;
  }
  const std::u16string text(value);
  if (text.size() > 1 && text[0] == u'#') {
    unsigned number = 0;
    for (size_t i = 1; i < text.size() && number <= 0xFFFF; ++i) {
      if (text[i] < u'0' || text[i] > u'9') return ResourceId{0, text};
      number = number * 10 + (text[i] - u'0');
    }
    if (number <= 0xFFFF) return ResourceId{static_cast<WORD>(number), {}};
  }
  id.name = text;
  return id;
}

ResourceTable ResourceTable::Read(const BYTE* image, size_t size) {
  ResourceTable table;
  LittleEndianReader reader(image, size);
  // Each entry: data size, header size, type, name, (aligned) data version, memory flags,
  // language, version, characteristics; then the data, padded to a DWORD.
  while (reader.Position() < size) {
    const size_t start = reader.Position();
    DWORD dataSize = 0;
    DWORD headerSize = 0;
    ResourceEntry entry;
    DWORD ignored = 0;
    WORD flags = 0;
    if (!reader.Dword(dataSize) || !reader.Dword(headerSize) || !ReadId(reader, entry.type) || !ReadId(reader, entry.name)) break;
    reader.AlignToDword();
    if (!reader.Dword(ignored) || !reader.Word(flags) || !reader.Word(entry.language)) break;
    // The compiler pads every header to a DWORD, which keeps the data aligned for its UTF-16 text.
    if (headerSize < 32 || headerSize % 4 != 0 || headerSize > size - start ||
        dataSize > size - start - headerSize) {
      break;
    }
    entry.data = image + start + headerSize;
    entry.size = dataSize;
    // The compiler opens the file with an empty entry of type 0 that marks it as 32-bit.
    if (!(entry.type.IsNumber() && entry.type.number == 0)) table.entries_.push_back(std::move(entry));
    reader.Seek(start + headerSize + dataSize);
    reader.AlignToDword();
  }
  return table;
}

const ResourceEntry* ResourceTable::Find(LPCWSTR type, LPCWSTR name) const {
  const ResourceId wantedType = ToResourceId(type);
  const ResourceId wantedName = ToResourceId(name);
  for (const ResourceEntry& entry : entries_) {
    if (Matches(entry.type, wantedType) && Matches(entry.name, wantedName)) return &entry;
  }
  return nullptr;
}

bool ResourceTable::Owns(const ResourceEntry* entry) const {
  for (const ResourceEntry& own : entries_) {
    if (&own == entry) return true;
  }
  return false;
}

}  // namespace platform
