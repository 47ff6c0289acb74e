#pragma once
// The stand-in host's tag database: a few demo tags in memory, one of each base type and an
// array, numbered after one system tag. Nothing is persisted; Reset brings the demo tags back.

#include <memory>
#include <string>
#include <vector>

#include "host/VarRef.h"
#include "winhost/DemoTag.h"

namespace winhost {

class DemoDatabase {
 public:
  static DemoDatabase& Instance();

  void Reset();
  // A name, optionally followed by [element]; a leading @ makes an indirect reference.
  bool Resolve(LPCWSTR name, VarRef& ref) const;
  DemoTag* TagAt(WORD number);
  DemoTag* TagOf(const VarRef& ref) { return TagAt(ref.tagNumber); }
  DemoTag* TagOf(const ParamRecord* param);
  DemoElement* ElementOf(const VarRecord* record);

  int InternalCount() const { return 1; }
  int PointsInUse() const;
  int posted = 0;
  std::wstring language = L"en-US";
  std::wstring databasePath;

 private:
  DemoDatabase();

  std::vector<std::unique_ptr<DemoTag>> tags_;
};

}  // namespace winhost
