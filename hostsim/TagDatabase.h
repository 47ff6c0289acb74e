#pragma once
// The in-memory tag database: tags numbered from 1 (system tags, then SoftPLC tags, then user tags),
// classes numbered from 1, name resolution into VarRef, and the way back from a record that the
// plug-in holds to the variable or element that owns it. It knows nothing of files.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/VarRef.h"
#include "hostsim/Tag.h"
#include "hostsim/TagClass.h"

namespace hostsim {

class TagDatabase {
 public:
  static constexpr int kMaxTags = 65535;
  static constexpr int kMaxSize = 32767;

  // Fills a tag's records from where they are kept; throws ProjectError when it cannot.
  using Loader = std::function<void(Tag& tag)>;

  // A new tag with empty records. Throws std::invalid_argument for a bad or taken name, an unknown
  // type, a size out of range, or a kind out of order (system tags first, then SoftPLC tags, then
  // user tags).
  Tag& AddTag(TagKind kind, std::u16string_view name, int type, int size, std::u16string_view description, int scope);
  // A tag whose records the loader fills when they are first needed.
  Tag& AddStoredTag(TagKind kind, std::u16string_view name, int type, int size, std::u16string_view description,
                    int scope);
  void SetLoader(Loader loader) { loader_ = std::move(loader); }
  // The tag with its records.
  Tag& Loaded(Tag& tag);
  // Throws std::invalid_argument for a bad or taken class name or a bad member.
  const TagClass& AddClass(std::u16string_view name, std::vector<ClassMember> members);

  // Case-insensitive.
  Tag* FindTag(std::u16string_view name) const;
  Tag* TagAt(int number) const;
  const std::vector<std::unique_ptr<Tag>>& Tags() const { return tags_; }
  const std::vector<TagClass>& Classes() const { return classes_; }
  const TagClass* ClassAt(int number) const;
  // 0 when no class has that name (case-insensitive).
  int FindClass(std::u16string_view name) const;

  int InternalCount() const { return counts_[0]; }
  int SoftPlcCount() const { return counts_[1]; }
  // Database points: each tag counts its elements, times its class's members for a class-typed tag.
  int PointsInUse() const;

  // Fills the reference from a name (see host/VarRef.h and hostsim/TagName.h); false when the name
  // is malformed or names no tag, element or member.
  bool Resolve(std::u16string_view name, VarRef& ref) const;
  Tag* TagOf(const VarRef& ref) const;
  // These load the tag.
  Variable* VariableOf(const VarRef& ref);
  // The element the reference addresses; null out of range and for a structure.
  Element* ElementOf(const VarRef& ref);
  Element* ElementOf(const VarRecord* record) const;
  Variable* VariableOf(const ParamRecord* param) const;

  // Both load the tag. Changing the class (or to or from a class) rebuilds the members; returns
  // whether it did.
  bool ChangeType(Tag& tag, int type);
  void ChangeSize(Tag& tag, int size);
  bool IsValidType(int type) const;

 private:
  Tag& Insert(std::unique_ptr<Tag> tag);
  // Empty records for the tag's type and size.
  void Build(Tag& tag);
  void BuildMembers(Tag& tag);
  void Index(const Tag& tag);
  void Unindex(const Tag& tag);

  std::vector<std::unique_ptr<Tag>> tags_;
  std::unordered_map<std::u16string, Tag*> byName_;
  std::vector<TagClass> classes_;
  int counts_[3] = {0, 0, 0};
  Loader loader_;
  std::unordered_map<const VarRecord*, Element*> elements_;
  std::unordered_map<const ParamRecord*, Variable*> params_;
};

}  // namespace hostsim
