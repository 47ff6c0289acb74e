#pragma once
// A project that cannot be opened, read or written; the message names the problem in one line.

#include <stdexcept>
#include <string>

namespace hostsim {

class ProjectError : public std::runtime_error {
 public:
  explicit ProjectError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace hostsim
