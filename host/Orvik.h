#pragma once
// The host's core library: tag database (DB...), core services (OV...) and application settings
// (AP...). Results: non-zero means success unless a call says otherwise. Functions named ...Secure
// take a buffer and its capacity in characters and always terminate what they write.

#include <windows.h>

#include "AlarmInfoRecord.h"
#include "AlarmTypeRecord.h"
#include "HostCall.h"
#include "ParamRecord.h"
#include "TagDefRecord.h"
#include "TagTypeCode.h"
#include "VarRecord.h"
#include "VarRef.h"

// The language callback that a host program registers: called with a language code such as "en-US".
typedef void (*LANGUAGECALLBACK)(LPCWSTR languageCode);

extern "C" {

// Variables
BOOL ORVIKAPI DBGetVar(VarRef* ref, LPCWSTR name);
// Sets *definition and *record (each may be null) to the variable's records; a class-typed tag as
// a whole has a definition and no element record. Flag 1 hands the records out for editing: the tag
// is then committed by the next DBSaveTagLModified; flag 0 only looks.
BOOL ORVIKAPI OVFindVar(VarRef* ref, TagDefRecord** definition, VarRecord** record, int flag);
// The type code of the variable (a member's own type for a member of a class-typed tag).
int ORVIKAPI OVTypeVar(VarRef* ref);
// Removes blanks and tabs at both ends of the text, in place.
BOOL ORVIKAPI OVTrimStringSecure(LPWSTR text, int capacity);

// Counts and limits
int ORVIKAPI OVGetInternalCount();
int ORVIKAPI OVGetSoftPLCCount();
int ORVIKAPI OVGetMaxArray();
int ORVIKAPI OVGetMaxTags();
int ORVIKAPI OVGetRealDatabaseSize();
BOOL ORVIKAPI OVIsAppForCE();

// Tag definition by tag number; the setters write through to the project database.
BOOL ORVIKAPI DBGetTagSize(WORD tagNumber, int* size);
BOOL ORVIKAPI DBSetTagSize(WORD tagNumber, int size);
// The type code and, for a class-typed tag, its class name (empty otherwise).
BOOL ORVIKAPI DBGetTagTypeSecure(WORD tagNumber, int* typeCode, LPWSTR className, int capacity);
BOOL ORVIKAPI DBSetTagType(WORD tagNumber, int typeCode);
BOOL ORVIKAPI DBGetTagDescSecure(WORD tagNumber, LPWSTR description, int capacity);
BOOL ORVIKAPI DBSetTagDesc(WORD tagNumber, LPCWSTR description);
// The scope flag: 0 Local, 1 Server.
int ORVIKAPI DBGetTagWebRemote(WORD tagNumber);
BOOL ORVIKAPI DBSetTagWebRemote(WORD tagNumber, int remote);

// The project's edit lock. DBSetEdit(1, scope) takes it for this process and fails while another
// process holds it; DBSetEdit(0, scope) gives it back. Scope 1 is the tag list.
BOOL ORVIKAPI DBSetEdit(int edit, int scope);

// Classes, numbered from 1
BOOL ORVIKAPI DBClassGetCount(int* count);
BOOL ORVIKAPI DBClassGetNameSecure(int classNumber, LPWSTR name, int capacity);
// Sets *classNumber to the class of that name (ignoring case), 0 when there is none.
BOOL ORVIKAPI DBClassFindName(LPCWSTR name, int* classNumber);

// Where tag definitions come from: the SCP source and the platform integration.
BOOL ORVIKAPI DBSCPEnabled();
BOOL ORVIKAPI DBSCPIsTagNameFromSCP(LPCWSTR name);
BOOL ORVIKAPI DBTagIntegrationEnabled();
BOOL ORVIKAPI DBTagIntegrationIsTagCreated(LPCWSTR name);

// Parameters
BOOL ORVIKAPI OVGetParamStartup(ParamRecord* param, LPWSTR text, int capacity);
BOOL ORVIKAPI OVSetParamStartup(ParamRecord* param, LPCWSTR text);

// Alarms of one element
AlarmInfoRecord* ORVIKAPI OVAddAlrInfo(VarRecord* record);
AlarmTypeRecord* ORVIKAPI OVAddAlrType(VarRecord* record, int typeCode);
BOOL ORVIKAPI OVRemoveAlrType(VarRecord* record, int typeCode);
BOOL ORVIKAPI OVSetAlrTypeMessage(VarRecord* record, int typeCode, LPCWSTR message);
BOOL ORVIKAPI OVSetAlrTypeSelection(VarRecord* record, int typeCode, LPCWSTR selection);
BOOL ORVIKAPI OVSetAlrRemoteAck(VarRecord* record, LPCWSTR tagName);
BOOL ORVIKAPI OVSetAlrDeviationSetpoint(VarRecord* record, LPCWSTR setpoint);

// Commits: each writes the whole state of the referenced tag to the project database at once.
BOOL ORVIKAPI DBSaveParamConfig(VarRef* ref);
BOOL ORVIKAPI DBSaveAlrConfig(VarRef* ref);
BOOL ORVIKAPI DBSaveHstConfig(VarRef* ref);
// Marks the tag list changed: commits every tag whose records were handed out since its last commit.
BOOL ORVIKAPI DBSaveTagLModified(int reserved);

// The background task's mailbox
// Fills two words that identify the variable: the tag number in the low 16 bits of the first and the
// member in its high 16 bits; the element index in the second.
BOOL ORVIKAPI OVMakeCVarParam(VarRef* ref, DWORD* first, DWORD* second);
BOOL ORVIKAPI OVExePostMessage(LPCWSTR taskName, UINT message, DWORD first, DWORD second);

// Application settings
// The project database folder, without a trailing separator; host-owned.
LPCWSTR ORVIKAPI APGetAppDatabasePath();
int ORVIKAPI APOrvikGetInt(LPCWSTR section, LPCWSTR key, int defaultValue);

// Language
BOOL ORVIKAPI OVGetCurrentLanguage(LPWSTR languageCode, int capacity);
BOOL ORVIKAPI LumoraSetLocalizedLanguage(LANGUAGECALLBACK callback);
BOOL ORVIKAPI LumoraRemoveLocalizedLanguage(LANGUAGECALLBACK callback);

}  // extern "C"
