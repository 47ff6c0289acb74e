// The stand-in host reading an arbitrary project.db: opening it, loading its classes, tags and
// mailbox, then every tag's records. A damaged file is refused with a ProjectError.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/ScratchFile.h"
#include "hostsim/ProjectError.h"
#include "hostsim/ProjectStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::ScratchFile input("project.db");
  // A journal or write-ahead log that SQLite left beside the last input belongs to that input.
  for (const char* companion : {"-journal", "-wal", "-shm"}) {
    std::filesystem::remove(input.path().string() + companion);
  }
  input.Write(data, size);
  try {
    const auto store = hostsim::ProjectStore::Open(input.path());
    hostsim::TagDatabase database;
    std::vector<hostsim::PostedMessage> messages;
    store->Load(database, messages);
    for (const auto& tag : database.Tags()) database.Loaded(*tag);
  } catch (const hostsim::ProjectError&) {
  }
  return 0;
}
