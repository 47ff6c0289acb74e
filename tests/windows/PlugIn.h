#pragma once
// The plug-in DLL loaded as the host loads it, by LoadLibraryW, its exports found by name.

#include <windows.h>

#include <string>

class PlugIn {
 public:
  // The exports use the C calling convention.
  typedef BOOL(__cdecl* TagProc)(LPCWSTR tagName);
  typedef void(__cdecl* LanguageProc)(LPCWSTR languageCode);

  explicit PlugIn(const std::wstring& path);
  ~PlugIn();
  PlugIn(const PlugIn&) = delete;
  PlugIn& operator=(const PlugIn&) = delete;

  // True when the module loaded and has all four exports.
  bool Loaded() const;

  TagProc canEditTagProperties = nullptr;
  TagProc editTagProperties = nullptr;
  TagProc tagProperties = nullptr;
  LanguageProc setLanguage = nullptr;

 private:
  HMODULE m_module;
};
