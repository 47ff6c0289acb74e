#pragma once
// The text tables through which the enumerations of the integration files are
// read and written. Each enumeration's header specialises EnumTable with its
// rows. Matching is exact and case-sensitive.

#include <string_view>

namespace data {

template <typename E>
struct EnumText {
  E value;
  std::u16string_view text;
};

template <typename E>
struct EnumTable;

// "" for a value outside the table.
template <typename E>
std::u16string_view TextOf(E value) {
  for (const EnumText<E>& row : EnumTable<E>::kRows) {
    if (row.value == value) {
      return row.text;
    }
  }
  return u"";
}

// False, and `value` unchanged, when the text matches no row.
template <typename E>
bool ValueOf(std::u16string_view text, E& value) {
  for (const EnumText<E>& row : EnumTable<E>::kRows) {
    if (row.text == text) {
      value = row.value;
      return true;
    }
  }
  return false;
}

}  // namespace data
