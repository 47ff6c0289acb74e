#pragma once
// A command that cannot do what was asked (an unknown tag); the message is one line.

#include <stdexcept>
#include <string>

namespace tagprops {

class CommandError : public std::runtime_error {
 public:
  explicit CommandError(const std::string& message) : std::runtime_error(message) {}
};

// A command line that does not fit the usage; tagprops then exits with 2.
class UsageError : public std::runtime_error {
 public:
  explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tagprops
