#pragma once
// The alarm configuration of one element, created by OVAddAlrInfo. Its alarm-type entries lie in one
// contiguous array; the entry count is kept in the flags.

#include <cstddef>
#include <windows.h>

#include "AlarmTypeRecord.h"
#include "BitField.h"
#include "CQelString.h"

struct AlarmInfoRecord {
  DWORD dwFlags;
  AlarmTypeRecord* pTypes;
  double dDeadBand;
  double dDeviationDeadBand;
  CQelString<64> deviationSetpoint;
  // Host-owned: the number of entries the type array has room for before it is moved.
  DWORD dwTypeCapacity;
  BYTE host1[16];
  CQelString<64> remoteAck;
  BYTE host2[4];
  // Boolean tags only: zero-terminated, at most 32 characters each.
  WCHAR szOnText[33];
  WCHAR szOffText[33];
  WCHAR szAckText[33];

  static constexpr int kMaxTypes = 15;

  using AlarmsEnabled = BitField<8, 1>;
  using TypeCount = BitField<11, 4>;
  using TranslationEnabled = BitField<15, 1>;

  template <class Field>
  DWORD Get() const { return Field::Get(dwFlags); }
  template <class Field>
  void Set(DWORD value) { Field::Set(dwFlags, value); }
};

static_assert(sizeof(void*) != 4 || offsetof(AlarmInfoRecord, dwFlags) == 0);
static_assert(sizeof(void*) != 4 || offsetof(AlarmInfoRecord, pTypes) == 4);
static_assert(sizeof(void*) != 4 || offsetof(AlarmInfoRecord, dDeadBand) == 8);
static_assert(sizeof(void*) != 4 || offsetof(AlarmInfoRecord, dDeviationDeadBand) == 16);
static_assert(sizeof(void*) != 4 || offsetof(AlarmInfoRecord, deviationSetpoint) == 24);
static_assert(sizeof(void*) != 4 || offsetof(AlarmInfoRecord, deviationSetpoint.m_szText) == 28);
static_assert(sizeof(void*) != 4 || offsetof(AlarmInfoRecord, deviationSetpoint.m_pszLong) == 156);
static_assert(sizeof(void*) != 4 || offsetof(AlarmInfoRecord, remoteAck) == 180);
static_assert(sizeof(void*) != 4 || offsetof(AlarmInfoRecord, remoteAck.m_szText) == 184);
static_assert(sizeof(void*) != 4 || offsetof(AlarmInfoRecord, remoteAck.m_pszLong) == 312);
static_assert(sizeof(void*) != 4 || offsetof(AlarmInfoRecord, szOnText) == 320);
static_assert(sizeof(void*) != 4 || offsetof(AlarmInfoRecord, szOffText) == 386);
static_assert(sizeof(void*) != 4 || offsetof(AlarmInfoRecord, szAckText) == 452);
