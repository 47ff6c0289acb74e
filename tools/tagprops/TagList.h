#pragma once
// The tag list of `tagprops list`: one line per tag with its number, kind, type, size and name.

#include <string>

#include "hostsim/TagDatabase.h"

namespace tagprops {

class TagList {
 public:
  static std::string Format(const hostsim::TagDatabase& database);
  // "Boolean", "Integer", "Real", "String" or the class name.
  static std::string TypeName(const hostsim::TagDatabase& database, int type);
  static const char* KindName(hostsim::TagKind kind);
};

}  // namespace tagprops
