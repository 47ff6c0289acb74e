// The host's core library calls, over the process's Host.

#include <exception>

#include "host/Orvik.h"
#include "hostsim/Host.h"
#include "hostsim/Text.h"
#include "platform/win32/TextConversion.h"

using hostsim::Host;
using hostsim::Tag;
using hostsim::TagDatabase;

namespace {

constexpr char16_t kBackgroundTask[] = u"BGTASK";

TagDatabase* Db() { return Host::Instance().OpenDatabase(); }

Tag* TagNumbered(WORD number) {
  TagDatabase* db = Db();
  return db != nullptr ? db->TagAt(number) : nullptr;
}

hostsim::Element* ElementOf(const VarRecord* record) {
  TagDatabase* db = Db();
  return db != nullptr && record != nullptr ? db->ElementOf(record) : nullptr;
}

std::u16string_view View(LPCWSTR text) { return text != nullptr ? std::u16string_view(text) : std::u16string_view(); }

// A write that fails in the project file reports failure instead of unwinding into the caller.
template <class Write>
BOOL Written(Write write) {
  try {
    write();
    return TRUE;
  } catch (const std::exception&) {
    return FALSE;
  }
}

// The variable a reference names, its tag loaded; null when there is none or it cannot be read.
hostsim::Variable* VariableOf(const VarRef* ref) {
  TagDatabase* db = Db();
  if (db == nullptr || ref == nullptr) return nullptr;
  try {
    return db->VariableOf(*ref);
  } catch (const std::exception&) {
    return nullptr;
  }
}

BOOL CommitTagOf(VarRef* ref) {
  TagDatabase* db = Db();
  Tag* tag = db != nullptr && ref != nullptr ? db->TagOf(*ref) : nullptr;
  if (tag == nullptr) return FALSE;
  return Written([&] { Host::Instance().CommitTag(*tag); });
}

}  // namespace

extern "C" {

BOOL ORVIKAPI DBGetVar(VarRef* ref, LPCWSTR name) {
  TagDatabase* db = Db();
  VarRef found{};
  if (db == nullptr || ref == nullptr || name == nullptr || !db->Resolve(name, found)) return FALSE;
  *ref = found;
  return TRUE;
}

BOOL ORVIKAPI OVFindVar(VarRef* ref, TagDefRecord** definition, VarRecord** record, int flag) {
  hostsim::Variable* variable = VariableOf(ref);
  if (variable == nullptr) return FALSE;
  if (definition != nullptr) *definition = &variable->Definition();
  if (record != nullptr) {
    hostsim::Element* element = variable->ElementAt(ref->GetElement());
    *record = element != nullptr ? &element->Record() : nullptr;
  }
  if (flag == 1) Host::Instance().HandOut(ref->tagNumber);
  return TRUE;
}

int ORVIKAPI OVTypeVar(VarRef* ref) {
  TagDatabase* db = Db();
  const Tag* tag = db != nullptr && ref != nullptr ? db->TagOf(*ref) : nullptr;
  if (tag == nullptr || VariableOf(ref) == nullptr) return -1;
  if (ref->GetMember() == 0) return tag->type;
  return db->ClassAt(tag->ClassNumber())->members[ref->GetMember() - 1].type;
}

BOOL ORVIKAPI OVTrimStringSecure(LPWSTR text, int capacity) {
  if (text == nullptr || capacity <= 0) return FALSE;
  const auto whole = hostsim::text::FromBuffer(text, static_cast<std::size_t>(capacity - 1));
  const std::u16string trimmed(hostsim::text::Trim(whole));
  hostsim::text::CopyTo(trimmed, text, capacity);
  return TRUE;
}

int ORVIKAPI OVGetInternalCount() { return Db() != nullptr ? Db()->InternalCount() : 0; }

int ORVIKAPI OVGetSoftPLCCount() { return Db() != nullptr ? Db()->SoftPlcCount() : 0; }

int ORVIKAPI OVGetMaxArray() { return Db() != nullptr ? Host::Instance().ProjectSettings().MaxArray() : 0; }

int ORVIKAPI OVGetMaxTags() { return Db() != nullptr ? Host::Instance().ProjectSettings().MaxTags() : 0; }

int ORVIKAPI OVGetRealDatabaseSize() {
  if (Db() == nullptr) return 0;
  return Host::Instance().ProjectSettings().RealDatabaseSize().value_or(Db()->PointsInUse());
}

BOOL ORVIKAPI OVIsAppForCE() { return Db() != nullptr && Host::Instance().ProjectSettings().WindowsCE(); }

BOOL ORVIKAPI DBGetTagSize(WORD tagNumber, int* size) {
  const Tag* tag = TagNumbered(tagNumber);
  if (tag == nullptr || size == nullptr) return FALSE;
  *size = tag->Size();
  return TRUE;
}

BOOL ORVIKAPI DBSetTagSize(WORD tagNumber, int size) {
  Tag* tag = TagNumbered(tagNumber);
  if (tag == nullptr || size < 0 || size > TagDatabase::kMaxSize) return FALSE;
  return Written([&] { Host::Instance().SetSize(*tag, size); });
}

BOOL ORVIKAPI DBGetTagTypeSecure(WORD tagNumber, int* typeCode, LPWSTR className, int capacity) {
  const Tag* tag = TagNumbered(tagNumber);
  if (tag == nullptr) return FALSE;
  if (typeCode != nullptr) *typeCode = tag->type;
  if (className != nullptr) {
    const hostsim::TagClass* cls = Db()->ClassAt(tag->ClassNumber());
    hostsim::text::CopyTo(cls != nullptr ? std::u16string_view(cls->name) : std::u16string_view(), className, capacity);
  }
  return TRUE;
}

BOOL ORVIKAPI DBSetTagType(WORD tagNumber, int typeCode) {
  Tag* tag = TagNumbered(tagNumber);
  if (tag == nullptr || !Db()->IsValidType(typeCode)) return FALSE;
  return Written([&] { Host::Instance().SetType(*tag, typeCode); });
}

BOOL ORVIKAPI DBGetTagDescSecure(WORD tagNumber, LPWSTR description, int capacity) {
  const Tag* tag = TagNumbered(tagNumber);
  if (tag == nullptr) return FALSE;
  return hostsim::text::CopyTo(tag->description, description, capacity);
}

BOOL ORVIKAPI DBSetTagDesc(WORD tagNumber, LPCWSTR description) {
  Tag* tag = TagNumbered(tagNumber);
  if (tag == nullptr) return FALSE;
  return Written([&] { Host::Instance().SetDescription(*tag, View(description)); });
}

int ORVIKAPI DBGetTagWebRemote(WORD tagNumber) {
  const Tag* tag = TagNumbered(tagNumber);
  return tag != nullptr ? tag->scope : 0;
}

BOOL ORVIKAPI DBSetTagWebRemote(WORD tagNumber, int remote) {
  Tag* tag = TagNumbered(tagNumber);
  if (tag == nullptr) return FALSE;
  return Written([&] { Host::Instance().SetScope(*tag, remote); });
}

BOOL ORVIKAPI DBSetEdit(int edit, int /*scope*/) { return Host::Instance().SetEdit(edit != 0) ? TRUE : FALSE; }

BOOL ORVIKAPI DBClassGetCount(int* count) {
  if (Db() == nullptr || count == nullptr) return FALSE;
  *count = static_cast<int>(Db()->Classes().size());
  return TRUE;
}

BOOL ORVIKAPI DBClassGetNameSecure(int classNumber, LPWSTR name, int capacity) {
  const hostsim::TagClass* cls = Db() != nullptr ? Db()->ClassAt(classNumber) : nullptr;
  return cls != nullptr && hostsim::text::CopyTo(cls->name, name, capacity);
}

BOOL ORVIKAPI DBClassFindName(LPCWSTR name, int* classNumber) {
  const int number = Db() != nullptr && name != nullptr ? Db()->FindClass(name) : 0;
  if (classNumber != nullptr) *classNumber = number;
  return number != 0;
}

BOOL ORVIKAPI DBSCPEnabled() { return Db() != nullptr && Host::Instance().ProjectSettings().ScpEnabled(); }

BOOL ORVIKAPI DBSCPIsTagNameFromSCP(LPCWSTR name) {
  return Db() != nullptr && name != nullptr && Host::Instance().ProjectSettings().IsScpTag(name);
}

BOOL ORVIKAPI DBTagIntegrationEnabled() {
  return Db() != nullptr && Host::Instance().ProjectSettings().IntegrationEnabled();
}

BOOL ORVIKAPI DBTagIntegrationIsTagCreated(LPCWSTR name) {
  return Db() != nullptr && name != nullptr && Host::Instance().ProjectSettings().IsIntegrationCreated(name);
}

BOOL ORVIKAPI OVGetParamStartup(ParamRecord* param, LPWSTR text, int maxChars) {
  const hostsim::Variable* variable = Db() != nullptr && param != nullptr ? Db()->VariableOf(param) : nullptr;
  return variable != nullptr && hostsim::text::CopyChars(variable->Startup(), text, maxChars);
}

BOOL ORVIKAPI OVSetParamStartup(ParamRecord* param, LPCWSTR text) {
  hostsim::Variable* variable = Db() != nullptr && param != nullptr ? Db()->VariableOf(param) : nullptr;
  if (variable == nullptr) return FALSE;
  variable->SetStartup(View(text));
  return TRUE;
}

AlarmInfoRecord* ORVIKAPI OVAddAlrInfo(VarRecord* record) {
  hostsim::Element* element = ElementOf(record);
  return element != nullptr ? &element->AddInfo() : nullptr;
}

AlarmTypeRecord* ORVIKAPI OVAddAlrType(VarRecord* record, int typeCode) {
  hostsim::Element* element = ElementOf(record);
  if (element == nullptr || typeCode < 1 || typeCode > 255) return nullptr;
  return element->AddType(static_cast<DWORD>(typeCode));
}

BOOL ORVIKAPI OVRemoveAlrType(VarRecord* record, int typeCode) {
  hostsim::Element* element = ElementOf(record);
  return element != nullptr && typeCode >= 1 && element->RemoveType(static_cast<DWORD>(typeCode));
}

BOOL ORVIKAPI OVSetAlrTypeMessage(VarRecord* record, int typeCode, LPCWSTR message) {
  hostsim::Element* element = ElementOf(record);
  return element != nullptr && typeCode >= 1 && element->SetTypeMessage(static_cast<DWORD>(typeCode), View(message));
}

BOOL ORVIKAPI OVSetAlrTypeSelection(VarRecord* record, int typeCode, LPCWSTR selection) {
  hostsim::Element* element = ElementOf(record);
  return element != nullptr && typeCode >= 1 &&
         element->SetTypeSelection(static_cast<DWORD>(typeCode), View(selection));
}

BOOL ORVIKAPI OVSetAlrRemoteAck(VarRecord* record, LPCWSTR tagName) {
  hostsim::Element* element = ElementOf(record);
  if (element == nullptr) return FALSE;
  element->SetRemoteAck(View(tagName));
  return TRUE;
}

BOOL ORVIKAPI OVSetAlrDeviationSetpoint(VarRecord* record, LPCWSTR setpoint) {
  hostsim::Element* element = ElementOf(record);
  if (element == nullptr) return FALSE;
  element->SetDeviationSetpoint(View(setpoint));
  return TRUE;
}

BOOL ORVIKAPI DBSaveParamConfig(VarRef* ref) { return CommitTagOf(ref); }

BOOL ORVIKAPI DBSaveAlrConfig(VarRef* ref) { return CommitTagOf(ref); }

BOOL ORVIKAPI DBSaveHstConfig(VarRef* ref) { return CommitTagOf(ref); }

BOOL ORVIKAPI DBSaveTagLModified(int /*reserved*/) {
  if (Db() == nullptr) return FALSE;
  return Written([] { Host::Instance().CommitHandedOut(); });
}

BOOL ORVIKAPI OVMakeCVarParam(VarRef* ref, DWORD* first, DWORD* second) {
  TagDatabase* db = Db();
  if (db == nullptr || ref == nullptr || db->TagOf(*ref) == nullptr) return FALSE;
  if (first != nullptr) *first = ref->tagNumber | (ref->GetMember() << 16);
  if (second != nullptr) *second = static_cast<DWORD>(ref->GetElement());
  return TRUE;
}

BOOL ORVIKAPI OVExePostMessage(LPCWSTR taskName, UINT message, DWORD first, DWORD second) {
  if (Db() == nullptr || !platform::EqualsIgnoreCase(View(taskName), kBackgroundTask)) return FALSE;
  return Written([&] { Host::Instance().Post({kBackgroundTask, message, first, second}); });
}

LPCWSTR ORVIKAPI APGetAppDatabasePath() { return Host::Instance().DatabasePath().c_str(); }

int ORVIKAPI APOrvikGetInt(LPCWSTR section, LPCWSTR key, int defaultValue) {
  if (section == nullptr || key == nullptr) return defaultValue;
  return static_cast<int>(Host::Instance().ProjectSettings().GetInt(platform::Utf16ToUtf8(section),
                                                                    platform::Utf16ToUtf8(key), defaultValue));
}

BOOL ORVIKAPI OVGetCurrentLanguage(LPWSTR languageCode, int capacity) {
  return hostsim::text::CopyTo(Host::Instance().ProjectSettings().Language(), languageCode, capacity);
}

BOOL ORVIKAPI LumoraSetLocalizedLanguage(LANGUAGECALLBACK callback) {
  if (callback == nullptr) return FALSE;
  Host::Instance().AddLanguageCallback(callback);
  const std::u16string current = Host::Instance().ProjectSettings().Language();
  callback(current.c_str());
  return TRUE;
}

BOOL ORVIKAPI LumoraRemoveLocalizedLanguage(LANGUAGECALLBACK callback) {
  return Host::Instance().RemoveLanguageCallback(callback) ? TRUE : FALSE;
}

}  // extern "C"
