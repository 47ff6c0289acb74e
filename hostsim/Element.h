#pragma once
// One element of a variable: its VarRecord and the alarm records hanging off it. The host creates
// the alarm records on demand: the info record on the first alarm call, the type entries in one
// contiguous array that grows by moving to a larger block (so a type record's address holds until
// the next type is added or removed). Texts longer than a record's in-place capacity are held here.

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/AlarmInfoRecord.h"
#include "host/AlarmTypeRecord.h"
#include "host/VarRecord.h"

namespace hostsim {

class Element {
 public:
  explicit Element(DWORD baseType);
  Element(const Element&) = delete;
  Element& operator=(const Element&) = delete;

  VarRecord& Record() { return record_; }
  const VarRecord& Record() const { return record_; }

  // Null while the element has no alarm configuration.
  AlarmInfoRecord* Info() const { return info_.get(); }
  AlarmInfoRecord& AddInfo();
  // The entry of that code, appended when absent; null only when the array is full (15 entries).
  AlarmTypeRecord* AddType(DWORD code);
  AlarmTypeRecord* FindType(DWORD code);
  bool RemoveType(DWORD code);
  bool SetTypeMessage(DWORD code, std::u16string_view message);
  bool SetTypeSelection(DWORD code, std::u16string_view selection);
  void SetRemoteAck(std::u16string_view tagName);
  void SetDeviationSetpoint(std::u16string_view setpoint);

  static std::u16string_view Text(const CQelString<64>& field);

 private:
  static void Store(CQelString<64>& field, std::u16string& longText, std::u16string_view text);
  void SyncTypes();

  VarRecord record_{};
  std::unique_ptr<AlarmInfoRecord> info_;
  std::vector<AlarmTypeRecord> types_;
  std::map<DWORD, std::u16string> longMessages_;
  std::u16string longSetpoint_;
  std::u16string longRemoteAck_;
};

}  // namespace hostsim
