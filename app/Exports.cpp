#include "Exports.h"

#include <BCGCBProInc.h>
#include <Orvik.h>
#include <tchar.h>
#include <windows.h>

#include "CBoolParamDlg.h"
#include "CDlgAlrBool.h"
#include "CDlgAlrNum.h"
#include "CDlgGeneral.h"
#include "CDlgHstBool.h"
#include "CDlgHstNum.h"
#include "CDlgVeltrixIntegration.h"
#include "CNumParamDlg.h"
#include "CStrParamDlg.h"
#include "LanguageResourceModule.h"
#include "TagNameBuffer.h"
#include "TagPropertiesApp.h"
#include "resource.h"

namespace {

// The host's OEM id under which the sheet offers the platform-integration page.
constexpr int kIntegrationCompanyId = 81;

CWnd* ThreadMainWindow() {
  CWinThread* thread = AfxGetThread();
  return thread != nullptr ? thread->GetMainWnd() : nullptr;
}

}  // namespace

BOOL DBCanEditTagProperties(LPCWSTR tagName) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  TagNameBuffer name(tagName);
  VarRef ref = {};
  if (!DBGetVar(&ref, name.Trimmed())) {
    return 0;
  }
  if (ref.GetKind() != VarRef::kDirect) {
    return 0;
  }
  TagDefRecord* definition = nullptr;
  if (!OVFindVar(&ref, &definition, nullptr, 0) || definition == nullptr) {
    return 0;
  }
  // A class-typed tag as a whole is edited through its members only.
  if (definition->Get<TagDefRecord::Structure>() != 0 && ref.GetMember() == 0) {
    return 0;
  }
  return 1;
}

BOOL DBEditTagProperties(LPCWSTR tagName) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  CDlgGeneral dialog(CWnd::FromHandle(GetForegroundWindow()));
  dialog.m_strTagName = tagName;
  VarRef ref = {};
  if (!DBGetVar(&ref, tagName)) {
    return 0;
  }
  int size = 0;
  DBGetTagSize(ref.tagNumber, &size);
  dialog.m_nSize = size;
  WCHAR text[TagNameBuffer::kCapacity] = {};
  DBGetTagDescSecure(ref.tagNumber, text, TagNameBuffer::kCapacity);
  dialog.m_strDescription = text;
  int typeCode = 0;
  text[0] = _T('\0');
  DBGetTagTypeSecure(ref.tagNumber, &typeCode, text, TagNameBuffer::kCapacity);
  dialog.m_nTypeCode = typeCode;
  dialog.m_strTypeName = text;
  dialog.m_nScope = DBGetTagWebRemote(ref.tagNumber);
  return dialog.DoModal() == IDOK ? 1 : 0;
}

BOOL DBTagProperties(LPCWSTR tagName) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  TagNameBuffer buffer(tagName);
  LPCWSTR name = buffer.WithoutAt();
  VarRef ref = {};
  if (!DBGetVar(&ref, name)) {
    return 0;
  }
  if (ref.tagNumber <= OVGetInternalCount()) {
    // The pages disable their controls themselves.
    AfxMessageBox(IDS_SYSTEM_TAG_READ_ONLY, MB_OK);
  }
  VarRecord* record = nullptr;
  if (!OVFindVar(&ref, nullptr, &record, 1) || record == nullptr) {
    return 0;
  }

  CWnd* parent = ThreadMainWindow();
  int elementIndexField = ref.elementIndex;
  CBoolParamDlg boolParam(name, parent);
  CNumParamDlg numParam(name, parent);
  CStrParamDlg strParam(name, parent);
  CDlgHstBool boolHistory(name, elementIndexField, parent);
  CDlgHstNum numHistory(name, elementIndexField, parent);
  CDlgAlrBool boolAlarms(name, elementIndexField, parent);
  CDlgAlrNum numAlarms(name, elementIndexField, parent);
  CDlgVeltrixIntegration integration(name, parent);

  CBCGPPropertySheet sheet(IDS_TAG_PROPERTIES, CWnd::FromHandle(GetForegroundWindow()), 0);
  sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
  bool alarms = record->Get<VarRecord::NoAlarmsPage>() == 0;
  switch (record->Get<VarRecord::BaseType>()) {
    case kTypeBoolean:
      sheet.AddPage(&boolParam);
      if (alarms) {
        sheet.AddPage(&boolAlarms);
      }
      sheet.AddPage(&boolHistory);
      break;
    case kTypeInteger:
    case kTypeReal:
      sheet.AddPage(&numParam);
      if (alarms) {
        sheet.AddPage(&numAlarms);
      }
      sheet.AddPage(&numHistory);
      break;
    case kTypeString:
      sheet.AddPage(&strParam);
      sheet.AddPage(&boolHistory);
      break;
  }
  if (APOrvikGetInt(_T("OEM"), _T("CompanyID"), 0) == kIntegrationCompanyId) {
    sheet.AddPage(&integration);
  }
  // Every page saved its own data on OK; the result says nothing more.
  sheet.DoModal();
  DBSaveTagLModified(0);
  return 1;
}

void __LumoraSetLanguage__(LPCWSTR languageCode) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  LoadLanguageResourceModule(languageCode, AfxGetInstanceHandle(), theApp.m_hLangResourceModule);
  AfxSetResourceHandle(theApp.m_hLangResourceModule);
}
