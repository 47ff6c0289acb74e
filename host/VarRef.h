#pragma once
// The 12-byte variable reference that DBGetVar fills from a name and every other call takes back.
//
// Meaning of its fields in this host:
// - tagNumber: the tag's number in the database.
// - elementIndex: the element addressed, negated (element 3 is -3; a scalar or element 0 is 0).
//   Callers may store a new negated index here before passing the reference back.
// - info bits 0 to 12: the member of a class-typed tag, numbered from 1 in the class's member order;
//   0 when the reference names the tag itself.
// - info bits 16 to 23, the byte at offset 6: the reference kind, 0 for a tag named directly and 1
//   for an indirect reference (a name written with a leading @, which names the tag a pointer would
//   be set to). An indirect reference is never edited as a tag.
// - info bits 13 to 15 and 24 to 31, and reserved: zero.

#include <cstddef>
#include <windows.h>

#include "BitField.h"

struct VarRef {
  WORD tagNumber;
  SHORT elementIndex;
  DWORD info;
  DWORD reserved;

  using Member = BitField<0, 13>;
  using Kind = BitField<16, 8>;

  static constexpr DWORD kDirect = 0;
  static constexpr DWORD kIndirect = 1;

  DWORD GetMember() const { return Member::Get(info); }
  void SetMember(DWORD member) { Member::Set(info, member); }
  DWORD GetKind() const { return Kind::Get(info); }
  void SetKind(DWORD kind) { Kind::Set(info, kind); }
  // The element index that elementIndex addresses (its negation).
  int GetElement() const { return -static_cast<int>(elementIndex); }
  void SetElement(int element) { elementIndex = static_cast<SHORT>(-element); }
};

static_assert(sizeof(VarRef) == 12);
static_assert(offsetof(VarRef, tagNumber) == 0);
static_assert(offsetof(VarRef, elementIndex) == 2);
static_assert(offsetof(VarRef, info) == 4);
