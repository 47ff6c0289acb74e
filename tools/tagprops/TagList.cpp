#include "tools/tagprops/TagList.h"

#include <cstdio>

#include "platform/win32/TextConversion.h"

namespace tagprops {

std::string TagList::TypeName(const hostsim::TagDatabase& database, int type) {
  static const char* const kBaseTypes[] = {"Boolean", "Integer", "Real", "String"};
  if (type >= 0 && type < kTypeBaseCount) return kBaseTypes[type];
  const hostsim::TagClass* cls = database.ClassAt(type - kTypeClassOffset);
  return cls != nullptr ? platform::Utf16ToUtf8(cls->name) : "?";
}

const char* TagList::KindName(hostsim::TagKind kind) {
  switch (kind) {
    case hostsim::TagKind::System:
      return "system";
    case hostsim::TagKind::SoftPLC:
      return "softplc";
    case hostsim::TagKind::User:
      break;
  }
  return "user";
}

std::string TagList::Format(const hostsim::TagDatabase& database) {
  std::string out = "NUMBER  KIND     TYPE            SIZE  NAME\n";
  out.reserve(out.size() + database.Tags().size() * 48);
  char line[96];
  for (const auto& tag : database.Tags()) {
    std::snprintf(line, sizeof line, "%6u  %-7s  %-14s %5d  ", static_cast<unsigned>(tag->number), KindName(tag->kind),
                  TypeName(database, tag->type).c_str(), tag->Size());
    out += line;
    out += platform::Utf16ToUtf8(tag->name);
    out += '\n';
  }
  return out;
}

}  // namespace tagprops
