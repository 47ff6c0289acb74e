#include "winhost/DemoTag.h"

namespace winhost {

DemoTag::DemoTag(WORD number, std::wstring name, int typeCode, int size, std::wstring description)
    : description(std::move(description)), number_(number), name_(std::move(name)), typeCode_(typeCode) {
  SetTypeCode(typeCode);
  SetSize(size);
  SetStartup(L"");
}

void DemoTag::SetStartup(std::wstring text) {
  startup_ = std::move(text);
  definition_.param.pszStartup = startup_.c_str();
}

void DemoTag::SetTypeCode(int typeCode) {
  typeCode_ = typeCode;
  definition_.Set<TagDefRecord::BaseType>(static_cast<DWORD>(typeCode));
  for (auto& element : elements_) element->Record().Set<VarRecord::BaseType>(static_cast<DWORD>(typeCode));
}

void DemoTag::SetSize(int size) {
  size_ = size;
  definition_.Set<TagDefRecord::ArraySize>(static_cast<DWORD>(size));
  elements_.resize(static_cast<size_t>(size) + 1);
  for (auto& element : elements_) {
    if (!element) element = std::make_unique<DemoElement>(static_cast<DWORD>(typeCode_));
  }
}

DemoElement* DemoTag::ElementAt(int element) {
  return element >= 0 && element <= size_ ? elements_[static_cast<size_t>(element)].get() : nullptr;
}

}  // namespace winhost
