// The host's core library calls over the demo database. Commits only count: the records are the
// host's own, edited in place.

#include <algorithm>
#include <cwchar>

#include "host/Orvik.h"
#include "winhost/DemoDatabase.h"

using winhost::DemoDatabase;
using winhost::DemoElement;
using winhost::DemoTag;

namespace {

DemoDatabase& Db() { return DemoDatabase::Instance(); }

BOOL CopyTo(const std::wstring& text, LPWSTR buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return FALSE;
  size_t length = std::min(text.size(), static_cast<size_t>(capacity - 1));
  text.copy(buffer, length);
  buffer[length] = 0;
  return TRUE;
}

std::wstring Text(LPCWSTR text) { return text ? text : L""; }

bool IsBlank(WCHAR c) { return c == L' ' || c == L'\t'; }

BOOL Commit(VarRef* ref) {
  DemoTag* tag = ref ? Db().TagOf(*ref) : nullptr;
  if (tag == nullptr) return FALSE;
  ++tag->commits;
  return TRUE;
}

DemoElement* ElementOf(VarRecord* record) { return Db().ElementOf(record); }

}  // namespace

extern "C" {

BOOL ORVIKAPI DBGetVar(VarRef* ref, LPCWSTR name) { return ref && Db().Resolve(name, *ref); }

BOOL ORVIKAPI OVFindVar(VarRef* ref, TagDefRecord** definition, VarRecord** record, int) {
  DemoTag* tag = ref ? Db().TagOf(*ref) : nullptr;
  if (tag == nullptr) return FALSE;
  if (definition) *definition = &tag->Definition();
  if (record) {
    DemoElement* element = tag->ElementAt(ref->GetElement());
    *record = element ? &element->Record() : nullptr;
  }
  return TRUE;
}

int ORVIKAPI OVTypeVar(VarRef* ref) {
  DemoTag* tag = ref ? Db().TagOf(*ref) : nullptr;
  return tag ? tag->TypeCode() : -1;
}

BOOL ORVIKAPI OVTrimStringSecure(LPWSTR text, int capacity) {
  if (text == nullptr || capacity <= 0) return FALSE;
  std::wstring value(text, wcsnlen(text, static_cast<size_t>(capacity - 1)));
  while (!value.empty() && IsBlank(value.back())) value.pop_back();
  size_t start = 0;
  while (start < value.size() && IsBlank(value[start])) ++start;
  return CopyTo(value.substr(start), text, capacity);
}

int ORVIKAPI OVGetInternalCount() { return Db().InternalCount(); }
int ORVIKAPI OVGetSoftPLCCount() { return 0; }
int ORVIKAPI OVGetMaxArray() { return 1000; }
int ORVIKAPI OVGetMaxTags() { return 1000; }
int ORVIKAPI OVGetRealDatabaseSize() { return Db().PointsInUse(); }
BOOL ORVIKAPI OVIsAppForCE() { return FALSE; }

BOOL ORVIKAPI DBGetTagSize(WORD tagNumber, int* size) {
  DemoTag* tag = Db().TagAt(tagNumber);
  if (tag == nullptr || size == nullptr) return FALSE;
  *size = tag->Size();
  return TRUE;
}

BOOL ORVIKAPI DBSetTagSize(WORD tagNumber, int size) {
  DemoTag* tag = Db().TagAt(tagNumber);
  if (tag == nullptr || size < 0 || size > OVGetMaxArray()) return FALSE;
  tag->SetSize(size);
  return TRUE;
}

BOOL ORVIKAPI DBGetTagTypeSecure(WORD tagNumber, int* typeCode, LPWSTR className, int capacity) {
  DemoTag* tag = Db().TagAt(tagNumber);
  if (tag == nullptr) return FALSE;
  if (typeCode) *typeCode = tag->TypeCode();
  if (className) CopyTo(L"", className, capacity);
  return TRUE;
}

BOOL ORVIKAPI DBSetTagType(WORD tagNumber, int typeCode) {
  DemoTag* tag = Db().TagAt(tagNumber);
  if (tag == nullptr || typeCode < 0 || typeCode > 3) return FALSE;
  tag->SetTypeCode(typeCode);
  return TRUE;
}

BOOL ORVIKAPI DBGetTagDescSecure(WORD tagNumber, LPWSTR description, int capacity) {
  DemoTag* tag = Db().TagAt(tagNumber);
  return tag && CopyTo(tag->description, description, capacity);
}

BOOL ORVIKAPI DBSetTagDesc(WORD tagNumber, LPCWSTR description) {
  DemoTag* tag = Db().TagAt(tagNumber);
  if (tag == nullptr) return FALSE;
  tag->description = Text(description);
  return TRUE;
}

int ORVIKAPI DBGetTagWebRemote(WORD tagNumber) {
  DemoTag* tag = Db().TagAt(tagNumber);
  return tag ? tag->scope : 0;
}

BOOL ORVIKAPI DBSetTagWebRemote(WORD tagNumber, int remote) {
  DemoTag* tag = Db().TagAt(tagNumber);
  if (tag == nullptr) return FALSE;
  tag->scope = remote ? 1 : 0;
  return TRUE;
}

BOOL ORVIKAPI DBSetEdit(int, int) { return TRUE; }

BOOL ORVIKAPI DBClassGetCount(int* count) {
  if (count == nullptr) return FALSE;
  *count = 0;
  return TRUE;
}

BOOL ORVIKAPI DBClassGetNameSecure(int, LPWSTR, int) { return FALSE; }

BOOL ORVIKAPI DBClassFindName(LPCWSTR, int* classNumber) {
  if (classNumber) *classNumber = 0;
  return FALSE;
}

BOOL ORVIKAPI DBSCPEnabled() { return FALSE; }
BOOL ORVIKAPI DBSCPIsTagNameFromSCP(LPCWSTR) { return FALSE; }
BOOL ORVIKAPI DBTagIntegrationEnabled() { return FALSE; }
BOOL ORVIKAPI DBTagIntegrationIsTagCreated(LPCWSTR) { return FALSE; }

BOOL ORVIKAPI OVGetParamStartup(ParamRecord* param, LPWSTR text, int capacity) {
  DemoTag* tag = Db().TagOf(param);
  return tag && CopyTo(tag->Startup(), text, capacity);
}

BOOL ORVIKAPI OVSetParamStartup(ParamRecord* param, LPCWSTR text) {
  DemoTag* tag = Db().TagOf(param);
  if (tag == nullptr) return FALSE;
  tag->SetStartup(Text(text));
  return TRUE;
}

AlarmInfoRecord* ORVIKAPI OVAddAlrInfo(VarRecord* record) {
  DemoElement* element = ElementOf(record);
  return element ? &element->AddInfo() : nullptr;
}

AlarmTypeRecord* ORVIKAPI OVAddAlrType(VarRecord* record, int typeCode) {
  DemoElement* element = ElementOf(record);
  return element && typeCode >= 1 && typeCode <= 255 ? element->AddType(static_cast<DWORD>(typeCode)) : nullptr;
}

BOOL ORVIKAPI OVRemoveAlrType(VarRecord* record, int typeCode) {
  DemoElement* element = ElementOf(record);
  return element && typeCode >= 1 && element->RemoveType(static_cast<DWORD>(typeCode));
}

BOOL ORVIKAPI OVSetAlrTypeMessage(VarRecord* record, int typeCode, LPCWSTR message) {
  DemoElement* element = ElementOf(record);
  return element && typeCode >= 1 && element->SetTypeMessage(static_cast<DWORD>(typeCode), message);
}

BOOL ORVIKAPI OVSetAlrTypeSelection(VarRecord* record, int typeCode, LPCWSTR selection) {
  DemoElement* element = ElementOf(record);
  return element && typeCode >= 1 && element->SetTypeSelection(static_cast<DWORD>(typeCode), selection);
}

BOOL ORVIKAPI OVSetAlrRemoteAck(VarRecord* record, LPCWSTR tagName) {
  DemoElement* element = ElementOf(record);
  if (element == nullptr) return FALSE;
  element->SetRemoteAck(tagName);
  return TRUE;
}

BOOL ORVIKAPI OVSetAlrDeviationSetpoint(VarRecord* record, LPCWSTR setpoint) {
  DemoElement* element = ElementOf(record);
  if (element == nullptr) return FALSE;
  element->SetDeviationSetpoint(setpoint);
  return TRUE;
}

BOOL ORVIKAPI DBSaveParamConfig(VarRef* ref) { return Commit(ref); }
BOOL ORVIKAPI DBSaveAlrConfig(VarRef* ref) { return Commit(ref); }
BOOL ORVIKAPI DBSaveHstConfig(VarRef* ref) { return Commit(ref); }
BOOL ORVIKAPI DBSaveTagLModified(int) { return TRUE; }

BOOL ORVIKAPI OVMakeCVarParam(VarRef* ref, DWORD* first, DWORD* second) {
  if (ref == nullptr || Db().TagOf(*ref) == nullptr) return FALSE;
  if (first) *first = ref->tagNumber | (ref->GetMember() << 16);
  if (second) *second = static_cast<DWORD>(ref->GetElement());
  return TRUE;
}

BOOL ORVIKAPI OVExePostMessage(LPCWSTR taskName, UINT, DWORD, DWORD) {
  if (taskName == nullptr || _wcsicmp(taskName, L"BGTASK") != 0) return FALSE;
  ++Db().posted;
  return TRUE;
}

LPCWSTR ORVIKAPI APGetAppDatabasePath() { return Db().databasePath.c_str(); }

int ORVIKAPI APOrvikGetInt(LPCWSTR, LPCWSTR, int defaultValue) { return defaultValue; }

BOOL ORVIKAPI OVGetCurrentLanguage(LPWSTR languageCode, int capacity) {
  return CopyTo(Db().language, languageCode, capacity);
}

BOOL ORVIKAPI LumoraSetLocalizedLanguage(LANGUAGECALLBACK callback) {
  if (callback == nullptr) return FALSE;
  callback(Db().language.c_str());
  return TRUE;
}

BOOL ORVIKAPI LumoraRemoveLocalizedLanguage(LANGUAGECALLBACK callback) { return callback != nullptr; }

}  // extern "C"
