#pragma once
// The parameter block of a tag definition: flags, engineering range and unit, dead band. The startup
// value is reached only through OVGetParamStartup / OVSetParamStartup.

#include <cstddef>
#include <windows.h>

#include "BitField.h"

struct ParamRecord {
  DWORD dwFlags;
  // Host-owned: the startup value text, read and written only through the host calls.
  LPCWSTR pszStartup;
  double dEngMin;
  double dEngMax;
  double dDeadBand;
  // At most 7 characters and a terminating zero.
  WCHAR szUnit[8];

  using RetentiveValue = BitField<0, 1>;
  using RetentiveParameters = BitField<1, 1>;
  using DeadBandEnabled = BitField<2, 1>;
  using Smoothing = BitField<3, 1>;
  using ValueIntegration = BitField<4, 1>;
  using AlarmIntegration = BitField<5, 1>;
  using HistorianIntegration = BitField<6, 1>;

  template <class Field>
  DWORD Get() const { return Field::Get(dwFlags); }
  template <class Field>
  void Set(DWORD value) { Field::Set(dwFlags, value); }
};

static_assert(sizeof(void*) != 4 || sizeof(ParamRecord) == 48);
static_assert(sizeof(void*) != 4 || offsetof(ParamRecord, dwFlags) == 0);
static_assert(sizeof(void*) != 4 || offsetof(ParamRecord, pszStartup) == 4);
static_assert(sizeof(void*) != 4 || offsetof(ParamRecord, dEngMin) == 8);
static_assert(sizeof(void*) != 4 || offsetof(ParamRecord, dEngMax) == 16);
static_assert(sizeof(void*) != 4 || offsetof(ParamRecord, dDeadBand) == 24);
static_assert(sizeof(void*) != 4 || offsetof(ParamRecord, szUnit) == 32);
