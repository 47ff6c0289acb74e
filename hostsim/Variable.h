#pragma once
// A variable of the tag database: a tag, or one member of a class-typed tag. It owns its definition
// record, its startup value and one element per array index (0 to the array size); a class-typed tag
// as a whole is a structure and has no elements of its own.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/TagDefRecord.h"
#include "hostsim/Element.h"

namespace hostsim {

class Variable {
 public:
  Variable(DWORD baseType, bool structure, int size);
  Variable(const Variable&) = delete;
  Variable& operator=(const Variable&) = delete;

  TagDefRecord& Definition() { return definition_; }
  const TagDefRecord& Definition() const { return definition_; }
  bool IsStructure() const { return definition_.Get<TagDefRecord::Structure>() != 0; }
  int Size() const { return static_cast<int>(definition_.Get<TagDefRecord::ArraySize>()); }

  const std::u16string& Startup() const { return startup_; }
  void SetStartup(std::u16string_view text);

  int ElementCount() const { return static_cast<int>(elements_.size()); }
  // Null outside 0 to the array size, and for a structure.
  Element* ElementAt(int index) const;

  // New elements start empty; elements past the new size are dropped.
  void Resize(int size);
  void SetBaseType(DWORD baseType);
  void SetStructure(bool structure);

 private:
  void RebuildElements();

  TagDefRecord definition_{};
  std::u16string startup_;
  std::vector<std::unique_ptr<Element>> elements_;
};

}  // namespace hostsim
