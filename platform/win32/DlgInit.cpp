#include "DlgInit.h"

#include "LittleEndianReader.h"

namespace platform {

DlgInit DlgInit::Read(const BYTE* data, size_t size) {
  DlgInit init;
  LittleEndianReader reader(data, size);
  DlgInitEntry entry;
  while (reader.Word(entry.control) && entry.control != 0 && reader.Word(entry.message) &&
         reader.Dword(entry.length)) {
    entry.data = reader.Here();
    if (!reader.Skip(entry.length)) break;
    init.entries.push_back(entry);
  }
  return init;
}

}  // namespace platform
