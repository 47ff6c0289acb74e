#pragma once
// The text of `tagprops show`: a tag's whole stored configuration, one "key: value" line each, keys
// as dotted paths ("element[2].alarms.type[0].limit"), in a fixed order, so that two reports diff
// line by line. Texts are quoted with JSON escapes; numbers are exact (shortest round trip).

#include <string>
#include <vector>

#include "hostsim/PostedMessage.h"
#include "hostsim/Settings.h"
#include "hostsim/TagDatabase.h"

namespace tagprops {

class TagReport {
 public:
  // member 0 reports every member of a class-typed tag; member n only that member.
  static std::string Format(const hostsim::TagDatabase& database, const hostsim::Settings& settings,
                            const hostsim::Tag& tag, DWORD member, const std::vector<hostsim::PostedMessage>& messages);
};

}  // namespace tagprops
