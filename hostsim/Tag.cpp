#include "hostsim/Tag.h"

namespace hostsim {

Variable* Tag::VariableAt(DWORD member) const {
  if (!loaded) return nullptr;
  if (member == 0) return self.get();
  return member <= members.size() ? members[member - 1].get() : nullptr;
}

}  // namespace hostsim
