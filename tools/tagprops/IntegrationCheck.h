#pragma once
// check-integration: loads the project's integration files as the plug-in does and says whether
// they load: a summary of what they hold, or the first fault.

namespace tagprops {

class Invocation;

int RunCheckIntegration(const Invocation& invocation);

}  // namespace tagprops
