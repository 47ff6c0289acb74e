#include "FrameworkPrompts.h"

namespace afx_prompt {

CString Load(UINT id, LPCWSTR english) {
  CString text;
  if (!text.LoadString(id)) text = english;
  return text;
}

}  // namespace afx_prompt
