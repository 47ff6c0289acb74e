#pragma once
// One element of a demo tag: its VarRecord and the alarm records that the host creates on demand.
// The alarm-type array has room for every type from the start, so it never moves. Texts longer
// than a record's in-place capacity are held here.

#include <array>
#include <map>
#include <memory>
#include <string>

#include "host/AlarmInfoRecord.h"
#include "host/AlarmTypeRecord.h"
#include "host/VarRecord.h"

namespace winhost {

class DemoElement {
 public:
  explicit DemoElement(DWORD baseType);
  DemoElement(const DemoElement&) = delete;
  DemoElement& operator=(const DemoElement&) = delete;

  VarRecord& Record() { return record_; }

  AlarmInfoRecord& AddInfo();
  // The entry of that code, appended when absent; null when every entry is taken.
  AlarmTypeRecord* AddType(DWORD code);
  AlarmTypeRecord* FindType(DWORD code);
  bool RemoveType(DWORD code);
  bool SetTypeMessage(DWORD code, LPCWSTR message);
  bool SetTypeSelection(DWORD code, LPCWSTR selection);
  void SetRemoteAck(LPCWSTR tagName);
  void SetDeviationSetpoint(LPCWSTR setpoint);

 private:
  static void Store(CQelString<64>& field, std::wstring& longText, LPCWSTR text);
  DWORD TypeCount() const;

  VarRecord record_{};
  std::unique_ptr<AlarmInfoRecord> info_;
  std::array<AlarmTypeRecord, AlarmInfoRecord::kMaxTypes> types_{};
  std::map<DWORD, std::wstring> longMessages_;
  std::wstring longSetpoint_;
  std::wstring longRemoteAck_;
};

}  // namespace winhost
