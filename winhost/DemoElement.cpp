#include "winhost/DemoElement.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

namespace winhost {

DemoElement::DemoElement(DWORD baseType) { record_.Set<VarRecord::BaseType>(baseType); }

AlarmInfoRecord& DemoElement::AddInfo() {
  if (!info_) {
    info_ = std::make_unique<AlarmInfoRecord>();
    std::memset(info_.get(), 0, sizeof(AlarmInfoRecord));
    info_->dwTypeCapacity = AlarmInfoRecord::kMaxTypes;
    record_.pAlarmInfo = info_.get();
  }
  return *info_;
}

DWORD DemoElement::TypeCount() const { return info_ ? info_->Get<AlarmInfoRecord::TypeCount>() : 0; }

AlarmTypeRecord* DemoElement::FindType(DWORD code) {
  auto end = types_.begin() + TypeCount();
  auto found = std::find_if(types_.begin(), end, [&](const AlarmTypeRecord& t) {
    return t.Get<AlarmTypeRecord::TypeCode>() == code;
  });
  return found == end ? nullptr : &*found;
}

AlarmTypeRecord* DemoElement::AddType(DWORD code) {
  AlarmInfoRecord& info = AddInfo();
  if (AlarmTypeRecord* existing = FindType(code)) return existing;
  DWORD count = TypeCount();
  if (count >= types_.size()) return nullptr;
  AlarmTypeRecord& entry = types_[count];
  std::memset(&entry, 0, sizeof entry);
  entry.Set<AlarmTypeRecord::TypeCode>(code);
  info.pTypes = types_.data();
  info.Set<AlarmInfoRecord::TypeCount>(count + 1);
  return &entry;
}

bool DemoElement::RemoveType(DWORD code) {
  AlarmTypeRecord* entry = FindType(code);
  if (entry == nullptr) return false;
  std::copy(entry + 1, types_.data() + TypeCount(), entry);
  longMessages_.erase(code);
  // Entries behind the removed one moved down: their long texts still point to the strings here.
  info_->Set<AlarmInfoRecord::TypeCount>(TypeCount() - 1);
  return true;
}

bool DemoElement::SetTypeMessage(DWORD code, LPCWSTR message) {
  AlarmTypeRecord* entry = FindType(code);
  if (entry == nullptr) return false;
  Store(entry->message, longMessages_[code], message);
  return true;
}

bool DemoElement::SetTypeSelection(DWORD code, LPCWSTR selection) {
  AlarmTypeRecord* entry = FindType(code);
  if (entry == nullptr) return false;
  std::wcsncpy(entry->szSelection, selection ? selection : L"", std::size(entry->szSelection) - 1);
  entry->szSelection[std::size(entry->szSelection) - 1] = 0;
  return true;
}

void DemoElement::SetRemoteAck(LPCWSTR tagName) { Store(AddInfo().remoteAck, longRemoteAck_, tagName); }

void DemoElement::SetDeviationSetpoint(LPCWSTR setpoint) {
  Store(AddInfo().deviationSetpoint, longSetpoint_, setpoint);
}

void DemoElement::Store(CQelString<64>& field, std::wstring& longText, LPCWSTR text) {
  std::wstring value = text ? text : L"";
  std::memset(field.m_szText, 0, sizeof field.m_szText);
  field.m_nLength = static_cast<DWORD>(value.size());
  if (value.size() <= static_cast<size_t>(CQelString<64>::Capacity())) {
    std::copy(value.begin(), value.end(), field.m_szText);
    field.m_pszLong = nullptr;
    longText.clear();
  } else {
    longText = value;
    field.m_pszLong = longText.data();
  }
}

}  // namespace winhost
