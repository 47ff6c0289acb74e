#include "AfxModuleState.h"

#include <windows.h>

namespace {

// Null while the process's own state is in effect.
AFX_MODULE_STATE* g_current = nullptr;

}  // namespace

AFX_MODULE_STATE* AfxGetAppModuleState() {
  static AFX_MODULE_STATE state = [] {
    AFX_MODULE_STATE s;
    s.m_hCurrentInstanceHandle = GetModuleHandleW(nullptr);
    s.m_hCurrentResourceHandle = s.m_hCurrentInstanceHandle;
    return s;
  }();
  return &state;
}

AFX_MODULE_STATE* AfxGetModuleState() { return g_current ? g_current : AfxGetAppModuleState(); }

AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* state) {
  AFX_MODULE_STATE* previous = g_current;
  g_current = state;
  return previous;
}

AFX_MAINTAIN_STATE2::AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* state)
    : m_pPrevModuleState(AfxSetModuleState(state)) {}

AFX_MAINTAIN_STATE2::~AFX_MAINTAIN_STATE2() { AfxSetModuleState(m_pPrevModuleState); }

HINSTANCE AfxGetInstanceHandle() { return AfxGetModuleState()->m_hCurrentInstanceHandle; }

HINSTANCE AfxGetResourceHandle() { return AfxGetModuleState()->m_hCurrentResourceHandle; }

void AfxSetResourceHandle(HINSTANCE resource) { AfxGetModuleState()->m_hCurrentResourceHandle = resource; }
