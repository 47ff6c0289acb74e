#include "hostsim/Element.h"

#include <algorithm>
#include <cstring>

#include "hostsim/Text.h"

namespace hostsim {

Element::Element(DWORD baseType) { record_.Set<VarRecord::BaseType>(baseType); }

AlarmInfoRecord& Element::AddInfo() {
  if (!info_) {
    info_ = std::make_unique<AlarmInfoRecord>();
    std::memset(info_.get(), 0, sizeof(AlarmInfoRecord));
    record_.pAlarmInfo = info_.get();
  }
  return *info_;
}

AlarmTypeRecord* Element::FindType(DWORD code) {
  const auto it = std::find_if(types_.begin(), types_.end(),
                               [&](const AlarmTypeRecord& t) { return t.Get<AlarmTypeRecord::TypeCode>() == code; });
  return it == types_.end() ? nullptr : &*it;
}

AlarmTypeRecord* Element::AddType(DWORD code) {
  AddInfo();
  if (AlarmTypeRecord* existing = FindType(code)) return existing;
  if (types_.size() >= static_cast<std::size_t>(AlarmInfoRecord::kMaxTypes)) return nullptr;
  if (types_.size() == types_.capacity()) {
    // Grow to a new block, doubling from 4 up to the most the entry count can say.
    std::vector<AlarmTypeRecord> larger;
    larger.reserve(std::min<std::size_t>(AlarmInfoRecord::kMaxTypes, std::max<std::size_t>(4, types_.capacity() * 2)));
    larger.assign(types_.begin(), types_.end());
    types_.swap(larger);
  }
  AlarmTypeRecord entry;
  std::memset(&entry, 0, sizeof entry);
  entry.Set<AlarmTypeRecord::TypeCode>(code);
  types_.push_back(entry);
  SyncTypes();
  return &types_.back();
}

bool Element::RemoveType(DWORD code) {
  AlarmTypeRecord* entry = FindType(code);
  if (entry == nullptr) return false;
  types_.erase(types_.begin() + (entry - types_.data()));
  longMessages_.erase(code);
  SyncTypes();
  return true;
}

bool Element::SetTypeMessage(DWORD code, std::u16string_view message) {
  AlarmTypeRecord* entry = FindType(code);
  if (entry == nullptr) return false;
  Store(entry->message, longMessages_[code], message);
  if (entry->message.m_pszLong == nullptr) longMessages_.erase(code);
  return true;
}

bool Element::SetTypeSelection(DWORD code, std::u16string_view selection) {
  AlarmTypeRecord* entry = FindType(code);
  if (entry == nullptr) return false;
  text::CopyTo(selection, entry->szSelection, static_cast<int>(std::size(entry->szSelection)));
  return true;
}

void Element::SetRemoteAck(std::u16string_view tagName) { Store(AddInfo().remoteAck, longRemoteAck_, tagName); }

void Element::SetDeviationSetpoint(std::u16string_view setpoint) {
  Store(AddInfo().deviationSetpoint, longSetpoint_, setpoint);
}

std::u16string_view Element::Text(const CQelString<64>& field) {
  return field.m_pszLong != nullptr ? std::u16string_view(field.m_pszLong, field.m_nLength)
                                    : text::FromBuffer(field.m_szText, std::size(field.m_szText));
}

void Element::Store(CQelString<64>& field, std::u16string& longText, std::u16string_view text) {
  std::memset(field.m_szText, 0, sizeof field.m_szText);
  field.m_nLength = static_cast<DWORD>(text.size());
  if (text.size() <= static_cast<std::size_t>(CQelString<64>::Capacity())) {
    std::copy(text.begin(), text.end(), field.m_szText);
    field.m_pszLong = nullptr;
    longText.clear();
  } else {
    longText.assign(text);
    field.m_pszLong = longText.data();
  }
}

void Element::SyncTypes() {
  info_->pTypes = types_.empty() ? nullptr : types_.data();
  info_->dwTypeCapacity = static_cast<DWORD>(types_.capacity());
  info_->Set<AlarmInfoRecord::TypeCount>(static_cast<DWORD>(types_.size()));
}

}  // namespace hostsim
