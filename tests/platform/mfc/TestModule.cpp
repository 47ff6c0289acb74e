// A module built on the framework, as the plug-in is: its application object announces its
// start and end; its exports switch to its module state.

#include <BCGCBProInc.h>
#include "tests/platform/mfc/resources/TestResource.h"

namespace {

class CTestModuleApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    AfxMessageBox(u"InitInstance");
    return CWinApp::InitInstance();
  }
  int ExitInstance() override {
    AfxMessageBox(u"ExitInstance");
    return CWinApp::ExitInstance();
  }
};

CTestModuleApp theApp;

}  // namespace

extern "C" {

int ModuleShowText() {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  return AfxMessageBox(IDS_MODULE_TEXT);
}

void ModuleUseResources(HMODULE resources) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  AfxSetResourceHandle(resources ? resources : AfxGetInstanceHandle());
}

INT_PTR ModuleRunDialog() {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  CBCGPDialog dialog(IDD_MODULE, AfxGetMainWnd());
  dialog.EnableVisualManagerStyle(TRUE, TRUE);
  return dialog.DoModal();
}

const WCHAR* ModuleAppName() {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  return AfxGetApp() == &theApp ? AfxGetAppName() : nullptr;
}

}
