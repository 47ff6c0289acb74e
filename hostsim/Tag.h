#pragma once
// A tag of the database. Its type is a TagTypeCode: a base type, or class number + kTypeClassOffset
// for a class-typed tag, whose members are variables of their own (member 1 is the class's first member).

#include <memory>
#include <string>
#include <vector>

#include "host/TagTypeCode.h"
#include "hostsim/Variable.h"
#include "platform/win32/WinTypes.h"

namespace hostsim {

// Where a tag comes from; tag numbers run through system tags, then SoftPLC tags, then user tags.
enum class TagKind { System = 0, SoftPLC = 1, User = 2 };

struct Tag {
  WORD number = 0;
  std::u16string name;
  TagKind kind = TagKind::User;
  int type = 0;
  std::u16string description;
  // 0 Local, 1 Server.
  int scope = 0;
  int size = 0;
  // The records below exist once the tag is loaded (TagDatabase::Loaded); a project's tags are
  // read from its file the first time their records are needed.
  bool loaded = false;
  std::unique_ptr<Variable> self;
  std::vector<std::unique_ptr<Variable>> members;

  bool IsClassTyped() const { return type >= kTypeBaseCount; }
  int ClassNumber() const { return IsClassTyped() ? type - kTypeClassOffset : 0; }
  int Size() const { return size; }
  // Member 0 is the tag itself; null for a member the tag does not have, or before loading.
  Variable* VariableAt(DWORD member) const;
};

}  // namespace hostsim
