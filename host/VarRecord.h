#pragma once
// The host's per-element record: one per element of a tag (elements 0 to the array size), edited
// in place and committed with the host's save calls.
//
// First word: bits 0 to 1 the base type; bit 5 history enabled; bits 6 to 17 the history group;
// bit 18 set when the tag carries no alarms page. The second word belongs to the host.

#include <cstddef>
#include <windows.h>

#include "AlarmInfoRecord.h"
#include "BitField.h"

struct VarRecord {
  DWORD dwFlags;
  DWORD dwHost;
  double dLogDeadBand;
  // Created by OVAddAlrInfo; null while the element has no alarm configuration.
  AlarmInfoRecord* pAlarmInfo;

  using BaseType = BitField<0, 2>;
  using HistoryEnabled = BitField<5, 1>;
  using HistoryGroup = BitField<6, 12>;
  using NoAlarmsPage = BitField<18, 1>;

  template <class Field>
  DWORD Get() const { return Field::Get(dwFlags); }
  template <class Field>
  void Set(DWORD value) { Field::Set(dwFlags, value); }
};

static_assert(sizeof(void*) != 4 || offsetof(VarRecord, dwFlags) == 0);
static_assert(sizeof(void*) != 4 || offsetof(VarRecord, dLogDeadBand) == 8);
static_assert(sizeof(void*) != 4 || offsetof(VarRecord, pAlarmInfo) == 16);
