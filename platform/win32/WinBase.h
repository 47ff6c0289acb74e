#pragma once
// Modules, resources and the file-system queries of the platform.

#include "WinTypes.h"

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1

// A module's entry point, looked up by this name and called by LoadLibraryW on the first load
// (DLL_PROCESS_ATTACH) and by FreeLibrary before the last unload (DLL_PROCESS_DETACH).
typedef BOOL(WINAPI* DLLMAINPROC)(HINSTANCE module, DWORD reason, LPVOID reserved);

HMODULE LoadLibraryW(LPCWSTR fileName);
BOOL FreeLibrary(HMODULE module);
FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
// A null module names the process's executable; "kernel32" names the system module that offers
// GetLongPathNameW by name.
HMODULE GetModuleHandleW(LPCWSTR moduleName);
DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD capacity);
DWORD GetLongPathNameW(LPCWSTR shortPath, LPWSTR longPath, DWORD capacity);

#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_NORMAL 0x00000080
// Paths may use backslashes or slashes.
DWORD GetFileAttributesW(LPCWSTR path);

// 100-nanosecond intervals since 1601-01-01 (UTC).
struct FILETIME {
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
};
struct WIN32_FILE_ATTRIBUTE_DATA {
  DWORD dwFileAttributes;
  FILETIME ftCreationTime;
  FILETIME ftLastAccessTime;
  FILETIME ftLastWriteTime;
  DWORD nFileSizeHigh;
  DWORD nFileSizeLow;
};
enum GET_FILEEX_INFO_LEVELS { GetFileExInfoStandard };
// Fills a WIN32_FILE_ATTRIBUTE_DATA; FALSE when the file does not exist or cannot be queried.
// This system keeps no creation time: the time of the last status change stands in for it.
BOOL GetFileAttributesExW(LPCWSTR path, GET_FILEEX_INFO_LEVELS level, LPVOID information);

// Resources of a module (its compiled .res, embedded when the module was built)
#define RT_DIALOG MAKEINTRESOURCEW(5)
#define RT_STRING MAKEINTRESOURCEW(6)
#define RT_RCDATA MAKEINTRESOURCEW(10)
#define RT_DLGINIT MAKEINTRESOURCEW(240)

HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
LPVOID LockResource(HGLOBAL data);
DWORD SizeofResource(HMODULE module, HRSRC resource);
int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int capacity);
