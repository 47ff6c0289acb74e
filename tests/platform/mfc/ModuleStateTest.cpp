// The module state a plug-in's export switches to is undone when the export returns, so that the
// host finds its own resources again.

#include <gtest/gtest.h>

#include <afxwin.h>

namespace {

TEST(ModuleStateTest, SwitchingIsUndoneWhenTheScopeEnds) {
  AFX_MODULE_STATE other;
  other.m_hCurrentResourceHandle = reinterpret_cast<HINSTANCE>(0x1234);
  {
    AFX_MANAGE_STATE(&other);
    EXPECT_EQ(AfxGetModuleState(), &other);
    EXPECT_EQ(AfxGetResourceHandle(), reinterpret_cast<HINSTANCE>(0x1234));
    {
      AFX_MANAGE_STATE(AfxGetAppModuleState());
      EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleW(nullptr));
    }
    EXPECT_EQ(AfxGetModuleState(), &other);
  }
  EXPECT_EQ(AfxGetModuleState(), AfxGetAppModuleState());
}

}  // namespace
