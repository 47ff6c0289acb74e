#include "winhost/DemoDatabase.h"

#include <windows.h>

#include <cwchar>

namespace winhost {

DemoDatabase& DemoDatabase::Instance() {
  static DemoDatabase database;
  return database;
}

DemoDatabase::DemoDatabase() {
  WCHAR temp[MAX_PATH];
  DWORD length = ::GetTempPathW(MAX_PATH, temp);
  databasePath.assign(temp, length);
  while (!databasePath.empty() && (databasePath.back() == L'\\' || databasePath.back() == L'/')) databasePath.pop_back();
  Reset();
}

void DemoDatabase::Reset() {
  tags_.clear();
  tags_.push_back(std::make_unique<DemoTag>(1, L"Second", 1, 0, L"Seconds of the current minute"));
  tags_.push_back(std::make_unique<DemoTag>(2, L"PumpRunning", 0, 0, L"Feed pump running"));
  tags_.push_back(std::make_unique<DemoTag>(3, L"TankLevel", 1, 0, L"Tank level"));
  tags_.push_back(std::make_unique<DemoTag>(4, L"Temperature", 2, 0, L"Boiler temperature"));
  tags_.push_back(std::make_unique<DemoTag>(5, L"Operator", 3, 0, L"Operator on shift"));
  tags_.push_back(std::make_unique<DemoTag>(6, L"Counters", 1, 5, L"Batch counters"));
  TagDefRecord& level = tags_[2]->Definition();
  level.param.dEngMin = 0;
  level.param.dEngMax = 100;
  std::wcscpy(level.param.szUnit, L"%");
  tags_[2]->SetStartup(L"50");
  posted = 0;
  language = L"en-US";
}

bool DemoDatabase::Resolve(LPCWSTR name, VarRef& ref) const {
  std::wstring text = name ? name : L"";
  bool indirect = !text.empty() && text.front() == L'@';
  if (indirect) text.erase(0, 1);
  int element = 0;
  if (size_t open = text.find(L'['); open != std::wstring::npos) {
    if (text.back() != L']') return false;
    wchar_t* end = nullptr;
    element = static_cast<int>(std::wcstol(text.c_str() + open + 1, &end, 10));
    if (end != text.c_str() + text.size() - 1 || element < 0) return false;
    text.erase(open);
  }
  for (const auto& tag : tags_) {
    if (_wcsicmp(tag->Name().c_str(), text.c_str()) != 0 || element > tag->Size()) continue;
    ref = VarRef{};
    ref.tagNumber = tag->Number();
    ref.SetElement(element);
    ref.SetKind(indirect ? VarRef::kIndirect : VarRef::kDirect);
    return true;
  }
  return false;
}

DemoTag* DemoDatabase::TagAt(WORD number) {
  for (auto& tag : tags_) {
    if (tag->Number() == number) return tag.get();
  }
  return nullptr;
}

DemoTag* DemoDatabase::TagOf(const ParamRecord* param) {
  for (auto& tag : tags_) {
    if (&tag->Definition().param == param) return tag.get();
  }
  return nullptr;
}

DemoElement* DemoDatabase::ElementOf(const VarRecord* record) {
  for (auto& tag : tags_) {
    for (int i = 0; i <= tag->Size(); ++i) {
      if (&tag->ElementAt(i)->Record() == record) return tag->ElementAt(i);
    }
  }
  return nullptr;
}

int DemoDatabase::PointsInUse() const {
  int points = 0;
  for (const auto& tag : tags_) points += tag->Size() + 1;
  return points;
}

}  // namespace winhost
