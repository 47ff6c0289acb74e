#pragma once
// The text form of what a person does, one action a line:
//   focus ID | select-all ID | type "text" | key NAME | click ID | choose ID "item"
//   page "Tab title" | ok | cancel | expect-box ["text"]
//   check ID text "..." | check ID enabled|disabled|visible|hidden|checked|unchecked|focused|readonly
//   check ID items "a|b|c" | check ID selected "item" | check page "Title"
//   check pages "Title 1|Title 2" | check closed ok|cancel
// Controls are numeric ids; strings are in double quotes with \" \\ and \n escapes; # starts
// a comment. expect-box announces the next message box and comes before the action that
// brings it.

#include <string>
#include <string_view>
#include <vector>

#include "Driver.h"

namespace driver {

struct ScriptLine {
  enum class Op { Focus, SelectAll, Type, Key, Click, Choose, Page, Ok, Cancel, ExpectBox, ExpectAnyBox, Check };
  enum class What {
    Text, Enabled, Disabled, Visible, Hidden, Checked, Unchecked, Focused, ReadOnly, Items, Selected,
    Page, Pages, ClosedOk, ClosedCancel
  };

  int number = 0;
  std::string source;  // the line as written, for messages
  Op op = Op::Ok;
  What what = What::Text;
  int id = 0;
  std::u16string text;
  Key key = Key::Tab;

  // Actions act on the window in front; expect-box and check lines do not.
  bool IsAction() const { return op != Op::ExpectBox && op != Op::ExpectAnyBox && op != Op::Check; }
};

class Script {
 public:
  // False on the first line that is not understood, with its number and the reason.
  static bool Parse(std::string_view text, Script& script, int& errorLine, std::string& error);

  std::vector<ScriptLine> lines;
};

}  // namespace driver
