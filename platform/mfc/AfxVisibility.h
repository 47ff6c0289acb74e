#pragma once
// How a module built on the framework marks what it exports and what stays its own: the export
// table of a DLL on Windows, symbol visibility elsewhere.

// AFX_MODULE_ENTRY marks DllMain: Windows' loader finds it as the module's entry point, the
// platform's LoadLibraryW by its name.
#ifdef _WIN32
#define AFX_API_EXPORT __declspec(dllexport)
#define AFX_MODULE_PRIVATE
#define AFX_MODULE_ENTRY
#else
#define AFX_API_EXPORT __attribute__((visibility("default")))
#define AFX_MODULE_PRIVATE __attribute__((visibility("hidden")))
#define AFX_MODULE_ENTRY __attribute__((visibility("default")))
#endif
