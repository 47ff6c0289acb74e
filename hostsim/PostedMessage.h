#pragma once
// A message posted to a task of the runtime (OVExePostMessage), kept in the project's mailbox.

#include <string>

#include "platform/win32/WinTypes.h"

namespace hostsim {

struct PostedMessage {
  std::u16string task;
  UINT message = 0;
  DWORD first = 0;
  DWORD second = 0;

  bool operator==(const PostedMessage&) const = default;
};

}  // namespace hostsim
