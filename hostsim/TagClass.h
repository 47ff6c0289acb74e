#pragma once
// A class of the tag database (a user-defined structure): numbered from 1, members of base types.

#include <string>
#include <vector>

namespace hostsim {

struct ClassMember {
  std::u16string name;
  // 0 Boolean, 1 Integer, 2 Real, 3 String.
  int type = 0;
  std::u16string description;
};

struct TagClass {
  int number = 0;
  std::u16string name;
  std::vector<ClassMember> members;
};

}  // namespace hostsim
