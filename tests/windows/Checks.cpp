#include "Checks.h"

#include <windows.h>

#include <cstdio>

namespace {

std::string Utf8(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

}  // namespace

void Checks::Begin(const std::string& name) {
  Close();
  m_case = name;
  std::printf("case %s\n", name.c_str());
  std::fflush(stdout);
}

bool Checks::Expect(bool condition, const std::string& what) {
  if (!condition) {
    m_caseFailed = true;
    std::printf("  FAILED: %s\n", what.c_str());
    std::fflush(stdout);
  }
  return condition;
}

bool Checks::ExpectText(const std::wstring& actual, const std::wstring& expected, const std::string& what) {
  return Expect(actual == expected, what + ": \"" + Utf8(actual) + "\", expected \"" + Utf8(expected) + "\"");
}

void Checks::Close() {
  if (m_case.empty()) return;
  (m_caseFailed ? m_failed : m_passed)++;
  m_case.clear();
  m_caseFailed = false;
}

int Checks::Finish() {
  Close();
  std::printf("%d passed, %d failed\n", m_passed, m_failed);
  return m_failed == 0 && m_passed > 0 ? 0 : 1;
}
