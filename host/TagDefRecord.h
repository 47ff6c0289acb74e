#pragma once
// The host's per-variable definition record (one per tag, and one per member of a class-typed tag),
// edited in place and committed with the host's save calls.
//
// First word in this host: bits 0 to 1 the base type (0 Boolean, 1 Integer, 2 Real, 3 String);
// bit 2 set on a class-typed tag as a whole (a structure: its members are edited, not the tag
// itself); bits 7 to 23 the array size (0 for a scalar). The second word belongs to the host.

#include <cstddef>
#include <windows.h>

#include "BitField.h"
#include "ParamRecord.h"

struct TagDefRecord {
  DWORD dwFlags;
  DWORD dwHost;
  ParamRecord param;

  using BaseType = BitField<0, 2>;
  using Structure = BitField<2, 1>;
  using ArraySize = BitField<7, 17>;

  template <class Field>
  DWORD Get() const { return Field::Get(dwFlags); }
  template <class Field>
  void Set(DWORD value) { Field::Set(dwFlags, value); }
};

static_assert(sizeof(void*) != 4 || sizeof(TagDefRecord) == 56);
static_assert(sizeof(void*) != 4 || offsetof(TagDefRecord, dwFlags) == 0);
static_assert(sizeof(void*) != 4 || offsetof(TagDefRecord, param) == 8);
