#include "hostsim/TagDatabase.h"

#include <algorithm>
#include <stdexcept>

#include "hostsim/TagName.h"
#include "platform/win32/TextConversion.h"

namespace hostsim {
namespace {

std::invalid_argument Refusal(const std::string& what, std::u16string_view name) {
  return std::invalid_argument(what + ": \"" + platform::Utf16ToUtf8(name) + "\"");
}

}  // namespace

Tag& TagDatabase::AddStoredTag(TagKind kind, std::u16string_view name, int type, int size,
                               std::u16string_view description, int scope) {
  if (!TagName::IsIdentifier(name) || name.size() > TagName::kMaxLength) throw Refusal("bad tag name", name);
  if (FindTag(name) != nullptr) throw Refusal("tag name already in use", name);
  if (!IsValidType(type)) throw Refusal("unknown type code " + std::to_string(type) + " for tag", name);
  if (size < 0 || size > kMaxSize) throw Refusal("array size out of range for tag", name);
  if (!tags_.empty() && kind < tags_.back()->kind) throw Refusal("system and SoftPLC tags must come first", name);
  if (static_cast<int>(tags_.size()) >= kMaxTags) throw Refusal("the database is full", name);

  auto tag = std::make_unique<Tag>();
  tag->number = static_cast<WORD>(tags_.size() + 1);
  tag->name.assign(name);
  tag->kind = kind;
  tag->type = type;
  tag->description.assign(description);
  tag->scope = scope != 0 ? 1 : 0;
  tag->size = size;
  return Insert(std::move(tag));
}

Tag& TagDatabase::AddTag(TagKind kind, std::u16string_view name, int type, int size, std::u16string_view description,
                         int scope) {
  Tag& tag = AddStoredTag(kind, name, type, size, description, scope);
  Build(tag);
  Index(tag);
  return tag;
}

Tag& TagDatabase::Insert(std::unique_ptr<Tag> tag) {
  byName_[platform::FoldCase(tag->name)] = tag.get();
  ++counts_[static_cast<int>(tag->kind)];
  tags_.push_back(std::move(tag));
  return *tags_.back();
}

Tag& TagDatabase::Loaded(Tag& tag) {
  if (tag.loaded) return tag;
  Build(tag);
  try {
    if (loader_) loader_(tag);
  } catch (...) {
    tag.loaded = false;
    tag.members.clear();
    tag.self.reset();
    throw;
  }
  Index(tag);
  return tag;
}

const TagClass& TagDatabase::AddClass(std::u16string_view name, std::vector<ClassMember> members) {
  if (!TagName::IsIdentifier(name)) throw Refusal("bad class name", name);
  if (FindClass(name) != 0) throw Refusal("class name already in use", name);
  for (std::size_t i = 0; i < members.size(); ++i) {
    if (!TagName::IsIdentifier(members[i].name)) throw Refusal("bad member name", members[i].name);
    if (members[i].type < 0 || members[i].type > 3) throw Refusal("a member has a base type", members[i].name);
    for (std::size_t j = 0; j < i; ++j) {
      if (platform::EqualsIgnoreCase(members[i].name, members[j].name)) throw Refusal("member name used twice", members[i].name);
    }
  }
  classes_.push_back({static_cast<int>(classes_.size() + 1), std::u16string(name), std::move(members)});
  return classes_.back();
}

Tag* TagDatabase::FindTag(std::u16string_view name) const {
  const auto it = byName_.find(platform::FoldCase(name));
  return it == byName_.end() ? nullptr : it->second;
}

Tag* TagDatabase::TagAt(int number) const {
  if (number < 1 || number > static_cast<int>(tags_.size())) return nullptr;
  return tags_[static_cast<std::size_t>(number - 1)].get();
}

const TagClass* TagDatabase::ClassAt(int number) const {
  if (number < 1 || number > static_cast<int>(classes_.size())) return nullptr;
  return &classes_[static_cast<std::size_t>(number - 1)];
}

int TagDatabase::FindClass(std::u16string_view name) const {
  for (const auto& c : classes_) {
    if (platform::EqualsIgnoreCase(c.name, name)) return c.number;
  }
  return 0;
}

int TagDatabase::PointsInUse() const {
  int points = 0;
  for (const auto& t : tags_) {
    const TagClass* cls = ClassAt(t->ClassNumber());
    points += (t->Size() + 1) * std::max<int>(1, cls != nullptr ? static_cast<int>(cls->members.size()) : 0);
  }
  return points;
}

bool TagDatabase::IsValidType(int type) const {
  return (type >= 0 && type <= 3) || ClassAt(type - 3) != nullptr;
}

bool TagDatabase::Resolve(std::u16string_view name, VarRef& ref) const {
  const auto parsed = TagName::Parse(name);
  if (!parsed) return false;
  const Tag* tag = FindTag(parsed->base);
  if (tag == nullptr) return false;
  if (parsed->index && (tag->Size() == 0 || *parsed->index > tag->Size())) return false;
  DWORD member = 0;
  if (!parsed->member.empty()) {
    const TagClass* cls = ClassAt(tag->ClassNumber());
    if (cls == nullptr) return false;
    const auto it = std::find_if(cls->members.begin(), cls->members.end(),
                                 [&](const ClassMember& m) { return platform::EqualsIgnoreCase(m.name, parsed->member); });
    if (it == cls->members.end()) return false;
    member = static_cast<DWORD>(it - cls->members.begin() + 1);
  }
  ref = VarRef{};
  ref.tagNumber = tag->number;
  ref.SetElement(parsed->index.value_or(0));
  ref.SetMember(member);
  ref.SetKind(parsed->indirect ? VarRef::kIndirect : VarRef::kDirect);
  return true;
}

Tag* TagDatabase::TagOf(const VarRef& ref) const { return TagAt(ref.tagNumber); }

Variable* TagDatabase::VariableOf(const VarRef& ref) {
  Tag* tag = TagOf(ref);
  return tag != nullptr ? Loaded(*tag).VariableAt(ref.GetMember()) : nullptr;
}

Element* TagDatabase::ElementOf(const VarRef& ref) {
  const Variable* variable = VariableOf(ref);
  return variable != nullptr ? variable->ElementAt(ref.GetElement()) : nullptr;
}

Element* TagDatabase::ElementOf(const VarRecord* record) const {
  const auto it = elements_.find(record);
  return it == elements_.end() ? nullptr : it->second;
}

Variable* TagDatabase::VariableOf(const ParamRecord* param) const {
  const auto it = params_.find(param);
  return it == params_.end() ? nullptr : it->second;
}

bool TagDatabase::ChangeType(Tag& tag, int type) {
  Unindex(Loaded(tag));
  const int oldClass = tag.ClassNumber();
  tag.type = type;
  const bool structure = tag.IsClassTyped();
  tag.self->SetStructure(structure);
  tag.self->SetBaseType(structure ? 0 : static_cast<DWORD>(type));
  const bool rebuilt = oldClass != tag.ClassNumber();
  if (rebuilt) BuildMembers(tag);
  Index(tag);
  return rebuilt;
}

void TagDatabase::ChangeSize(Tag& tag, int size) {
  Unindex(Loaded(tag));
  tag.size = size;
  tag.self->Resize(size);
  for (auto& m : tag.members) m->Resize(size);
  Index(tag);
}

void TagDatabase::Build(Tag& tag) {
  const bool structure = tag.IsClassTyped();
  tag.self = std::make_unique<Variable>(structure ? 0 : static_cast<DWORD>(tag.type), structure, tag.size);
  BuildMembers(tag);
  tag.loaded = true;
}

void TagDatabase::BuildMembers(Tag& tag) {
  tag.members.clear();
  const TagClass* cls = ClassAt(tag.ClassNumber());
  if (cls == nullptr) return;
  for (const auto& m : cls->members) {
    tag.members.push_back(std::make_unique<Variable>(static_cast<DWORD>(m.type), false, tag.Size()));
  }
}

void TagDatabase::Index(const Tag& tag) {
  for (DWORD m = 0; m <= tag.members.size(); ++m) {
    Variable* v = tag.VariableAt(m);
    params_[&v->Definition().param] = v;
    for (int i = 0; i < v->ElementCount(); ++i) elements_[&v->ElementAt(i)->Record()] = v->ElementAt(i);
  }
}

void TagDatabase::Unindex(const Tag& tag) {
  for (DWORD m = 0; m <= tag.members.size(); ++m) {
    Variable* v = tag.VariableAt(m);
    params_.erase(&v->Definition().param);
    for (int i = 0; i < v->ElementCount(); ++i) elements_.erase(&v->ElementAt(i)->Record());
  }
}

}  // namespace hostsim
