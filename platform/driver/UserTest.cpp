#include "UserTest.h"

namespace driver {

int ReportFailures(ScriptedUser& user) {
  std::vector<Failure> failures = user.Finish();
  for (const Failure& failure : failures) {
    if (failure.file.empty())
      ADD_FAILURE() << failure.message;
    else
      ADD_FAILURE_AT(failure.file.c_str(), failure.line) << failure.message;
  }
  return static_cast<int>(failures.size());
}

}  // namespace driver
