#pragma once
// One window of the headless window model: everything Windows keeps about a window and
// about the built-in control it may be. Only the platform's own code sees this type;
// the rest of the program reaches windows through their handles.

#include <memory>
#include <string>
#include <vector>

#include "WinUser.h"

namespace platform {

struct ListItem {
  std::u16string text;
  LPARAM data = 0;
};

struct Window {
  HWND handle = nullptr;
  std::u16string className;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  int id = 0;
  std::u16string text;
  HWND parent = nullptr;  // child windows only
  HWND owner = nullptr;   // top-level windows only
  std::vector<HWND> children;  // creation order, which is the template's and the tab order
  RECT rect{};  // in the parent's coordinates, dialog units
  LONG_PTR userData = 0;
  HINSTANCE instance = nullptr;
  bool destroyed = false;

  // Buttons
  UINT check = BST_UNCHECKED;

  // Edits: the anchor and the caret of the selection, in UTF-16 units
  size_t selectionAnchor = 0;
  size_t selectionCaret = 0;
  size_t textLimit = 30000;

  // Combo boxes and tab controls
  std::vector<ListItem> items;
  int currentItem = -1;
  bool droppedDown = false;

  // Dialogs
  bool isDialog = false;
  DLGPROC dialogProc = nullptr;
  LRESULT messageResult = 0;
  LONG_PTR dialogUser = 0;
  int defaultId = 0;
  bool ended = false;
  INT_PTR endResult = 0;
  HWND disabledOwner = nullptr;  // re-enabled when the modal dialog ends

  bool IsChildWindow() const { return (style & WS_CHILD) != 0; }
};

using WindowPtr = std::shared_ptr<Window>;

}  // namespace platform
