#include "hostsim/Variable.h"

namespace hostsim {

Variable::Variable(DWORD baseType, bool structure, int size) {
  definition_.Set<TagDefRecord::BaseType>(baseType);
  definition_.Set<TagDefRecord::Structure>(structure ? 1 : 0);
  definition_.param.pszStartup = startup_.c_str();
  Resize(size);
}

void Variable::SetStartup(std::u16string_view text) {
  startup_.assign(text);
  definition_.param.pszStartup = startup_.c_str();
}

Element* Variable::ElementAt(int index) const {
  if (index < 0 || index >= ElementCount()) return nullptr;
  return elements_[static_cast<std::size_t>(index)].get();
}

void Variable::Resize(int size) {
  definition_.Set<TagDefRecord::ArraySize>(static_cast<DWORD>(size));
  RebuildElements();
}

void Variable::SetBaseType(DWORD baseType) {
  definition_.Set<TagDefRecord::BaseType>(baseType);
  for (auto& e : elements_) e->Record().Set<VarRecord::BaseType>(baseType);
}

void Variable::SetStructure(bool structure) {
  definition_.Set<TagDefRecord::Structure>(structure ? 1 : 0);
  RebuildElements();
}

void Variable::RebuildElements() {
  const std::size_t count = IsStructure() ? 0 : static_cast<std::size_t>(Size()) + 1;
  if (elements_.size() > count) elements_.resize(count);
  while (elements_.size() < count) {
    elements_.push_back(std::make_unique<Element>(definition_.Get<TagDefRecord::BaseType>()));
  }
}

}  // namespace hostsim
