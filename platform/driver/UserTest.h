#pragma once
// A test fixture with a scripted user installed for the test's duration. At the end, every
// failure it collected (an unexpected message box, a script that could not run, a dialog
// left open, a box announced but never shown) fails the test at the line it points to:
//
//   class MyPageTest : public driver::UserTest {};
//   TEST_F(MyPageTest, RefusesLetters) {
//     user.OnModal([&](driver::Driver& d) { ... });
//     ...
//   }

#include <gtest/gtest.h>

#include "ScriptedUser.h"
#include "Utf8.h"
#include "../mfc/CString.h"

// Shows a CString in a failure message as the text it holds.
inline void PrintTo(const CString& text, std::ostream* os) { *os << driver::Quoted(text.GetStdString()); }

namespace driver {

// Turns the user's failures into test failures; returns how many there were.
int ReportFailures(ScriptedUser& user);

class UserTest : public ::testing::Test {
 protected:
  void TearDown() override { ReportFailures(user); }

  ScriptedUser user;
};

}  // namespace driver
