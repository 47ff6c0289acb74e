#pragma once
// Finding and loading the resource module of a UI language next to the library.

#include <windows.h>

// Frees the module that `module` holds (unless it is the own module), then loads the resource
// module for the language code into it: "<folder>\<code or a prefix of it>\<file>-mui.dll" next to
// the own module. `module` ends up holding the loaded module, or the own module when the language
// is the built-in English or nothing could be loaded.
void LoadLanguageResourceModule(LPCWSTR languageCode, HINSTANCE ownModule, HINSTANCE& module);
