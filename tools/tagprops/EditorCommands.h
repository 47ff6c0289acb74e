#pragma once
// The commands that load the plug-in and call its exports with a tag name, as a host does.

namespace tagprops {

class Invocation;

// sheet TAG: the property sheet (DBTagProperties).
int RunSheet(const Invocation& invocation);
// edit TAG: the tag properties dialog (DBEditTagProperties); prints how it was closed, ok or cancelled.
int RunEdit(const Invocation& invocation);
// can-edit TAG: prints 1 or 0 (DBCanEditTagProperties); exits 0 when the tag may be edited.
int RunCanEdit(const Invocation& invocation);

}  // namespace tagprops
