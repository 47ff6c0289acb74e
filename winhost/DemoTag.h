#pragma once
// One tag of the demo database: its definition as the host keeps it, its elements (0 to the array
// size), the startup value text and how often a save call committed it.

#include <memory>
#include <string>
#include <vector>

#include "host/TagDefRecord.h"
#include "winhost/DemoElement.h"

namespace winhost {

class DemoTag {
 public:
  DemoTag(WORD number, std::wstring name, int typeCode, int size, std::wstring description);

  WORD Number() const { return number_; }
  const std::wstring& Name() const { return name_; }
  int TypeCode() const { return typeCode_; }
  int Size() const { return size_; }
  // Changes the base type of the definition and of every element.
  void SetTypeCode(int typeCode);
  // Adds or drops elements so that there are size + 1.
  void SetSize(int size);

  std::wstring description;
  int scope = 0;
  int commits = 0;

  const std::wstring& Startup() const { return startup_; }
  // The definition's startup pointer follows the text.
  void SetStartup(std::wstring text);

  TagDefRecord& Definition() { return definition_; }
  // Null for an element beyond the array.
  DemoElement* ElementAt(int element);

 private:
  WORD number_;
  std::wstring name_;
  int typeCode_;
  int size_ = 0;
  TagDefRecord definition_{};
  std::wstring startup_;
  std::vector<std::unique_ptr<DemoElement>> elements_;
};

}  // namespace winhost
