#pragma once
// One bit field of a host flags word. Writes replace only the field's bits: the value is masked to
// the field's width and every other bit of the word keeps its value.

#include <windows.h>

template <unsigned Shift, unsigned Width>
struct BitField {
  static_assert(Width > 0 && Shift + Width <= 32, "a field lies inside one 32-bit word");
  static constexpr DWORD kMask = (Width == 32 ? 0xFFFFFFFFu : ((1u << Width) - 1u)) << Shift;

  static constexpr DWORD Get(DWORD word) { return (word & kMask) >> Shift; }
  static constexpr void Set(DWORD& word, DWORD value) { word = (word & ~kMask) | ((value << Shift) & kMask); }
};
