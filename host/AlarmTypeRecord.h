#pragma once
// One configured alarm type of an element, an entry of the element's contiguous alarm-type array.

#include <cstddef>
#include <windows.h>

#include "BitField.h"
#include "CQelString.h"

struct AlarmTypeRecord {
  DWORD dwFlags;
  CQelString<64> message;
  BYTE host[144];
  // Zero-terminated; the host keeps at most 9 characters.
  WCHAR szSelection[10];
  double dLimit;

  // Alarm type codes: one bit each. A Boolean tag uses 2 (On), 4 (Off) and 16 (Changed).
  static constexpr DWORD kHiHi = 1;
  static constexpr DWORD kHi = 2;
  static constexpr DWORD kLo = 4;
  static constexpr DWORD kLoLo = 8;
  static constexpr DWORD kRate = 16;
  static constexpr DWORD kDeviationPlus = 32;
  static constexpr DWORD kDeviationMinus = 64;

  using TypeCode = BitField<0, 8>;
  // Rate type only: 0 per second, 1 per minute, 2 per hour.
  using RateUnit = BitField<8, 2>;
  using Group = BitField<10, 12>;
  using Priority = BitField<22, 8>;

  template <class Field>
  DWORD Get() const { return Field::Get(dwFlags); }
  template <class Field>
  void Set(DWORD value) { Field::Set(dwFlags, value); }
};

static_assert(sizeof(void*) != 4 || sizeof(AlarmTypeRecord) == 312);
static_assert(sizeof(void*) != 4 || offsetof(AlarmTypeRecord, dwFlags) == 0);
static_assert(sizeof(void*) != 4 || offsetof(AlarmTypeRecord, message) == 4);
static_assert(sizeof(void*) != 4 || offsetof(AlarmTypeRecord, message.m_szText) == 8);
static_assert(sizeof(void*) != 4 || offsetof(AlarmTypeRecord, message.m_pszLong) == 136);
static_assert(sizeof(void*) != 4 || offsetof(AlarmTypeRecord, szSelection) == 284);
static_assert(sizeof(void*) != 4 || offsetof(AlarmTypeRecord, dLimit) == 304);
