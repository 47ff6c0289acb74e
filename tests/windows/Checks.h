#pragma once
// The test program's record of what held and what did not, one line per failure, and the closing
// count of cases that passed and failed.

#include <string>

class Checks {
 public:
  // Starts a case; the previous case counts as passed when none of its checks failed.
  void Begin(const std::string& name);
  // Reports the failed check and returns the condition.
  bool Expect(bool condition, const std::string& what);
  bool ExpectText(const std::wstring& actual, const std::wstring& expected, const std::string& what);
  // Closes the last case and prints "N passed, M failed"; the program's exit code.
  int Finish();

 private:
  void Close();

  std::string m_case;
  bool m_caseFailed = false;
  int m_passed = 0;
  int m_failed = 0;
};
