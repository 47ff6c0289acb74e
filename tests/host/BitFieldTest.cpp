#include <gtest/gtest.h>

#include "host/AlarmInfoRecord.h"
#include "host/AlarmTypeRecord.h"
#include "host/TagDefRecord.h"
#include "host/VarRecord.h"
#include "host/VarRef.h"

namespace {

struct FieldCase {
  const char* name;
  DWORD mask;
  void (*set)(DWORD& word, DWORD value);
  DWORD (*get)(DWORD word);
};

template <class Field>
FieldCase Case(const char* name, DWORD mask) {
  return {name, mask, [](DWORD& w, DWORD v) { Field::Set(w, v); }, [](DWORD w) { return Field::Get(w); }};
}

// Every field at the bits the host gives it.
const FieldCase kFields[] = {
    Case<TagDefRecord::BaseType>("definition base type", 0x3),
    Case<TagDefRecord::Structure>("definition structure", 0x4),
    Case<TagDefRecord::ArraySize>("definition array size", 0x00FFFF80),
    Case<ParamRecord::RetentiveValue>("retentive value", 0x1),
    Case<ParamRecord::RetentiveParameters>("retentive parameters", 0x2),
    Case<ParamRecord::DeadBandEnabled>("dead band enabled", 0x4),
    Case<ParamRecord::Smoothing>("smoothing", 0x8),
    Case<ParamRecord::ValueIntegration>("value integration", 0x10),
    Case<ParamRecord::AlarmIntegration>("alarm integration", 0x20),
    Case<ParamRecord::HistorianIntegration>("historian integration", 0x40),
    Case<VarRecord::BaseType>("element base type", 0x3),
    Case<VarRecord::HistoryEnabled>("history enabled", 0x20),
    Case<VarRecord::HistoryGroup>("history group", 0x0003FFC0),
    Case<VarRecord::NoAlarmsPage>("no alarms page", 0x00040000),
    Case<AlarmInfoRecord::AlarmsEnabled>("alarms enabled", 0x100),
    Case<AlarmInfoRecord::TypeCount>("alarm type count", 0x7800),
    Case<AlarmInfoRecord::TranslationEnabled>("translation enabled", 0x8000),
    Case<AlarmTypeRecord::TypeCode>("alarm type code", 0xFF),
    Case<AlarmTypeRecord::RateUnit>("rate unit", 0x300),
    Case<AlarmTypeRecord::Group>("alarm group", 0x003FFC00),
    Case<AlarmTypeRecord::Priority>("alarm priority", 0x3FC00000),
    Case<VarRef::Member>("reference member", 0x1FFF),
    Case<VarRef::Kind>("reference kind", 0x00FF0000),
};

TEST(BitField, EachFieldOwnsExactlyItsBitsAndMasksWideValues) {
  for (const auto& f : kFields) {
    SCOPED_TRACE(f.name);
    DWORD word = 0;
    f.set(word, 0xFFFFFFFF);
    EXPECT_EQ(word, f.mask) << "an over-wide value is cut to the field";
    word = 0xFFFFFFFF;
    f.set(word, 0);
    EXPECT_EQ(word, ~f.mask) << "clearing the field keeps every other bit";
    const DWORD lowest = f.mask & (~f.mask + 1);
    const DWORD width = static_cast<DWORD>(__builtin_popcount(f.mask));
    const DWORD top = width == 32 ? 0xFFFFFFFF : (1u << width) - 1;
    word = 0xA5A5A5A5;
    f.set(word, top);
    EXPECT_EQ(f.get(word), top);
    EXPECT_EQ(word & ~f.mask, 0xA5A5A5A5 & ~f.mask);
    f.set(word, 1);
    EXPECT_EQ(word & f.mask, lowest);
  }
}

}  // namespace
