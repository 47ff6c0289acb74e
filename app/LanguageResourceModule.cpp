#include "LanguageResourceModule.h"

#include <afxwin.h>
#include <tchar.h>
#include <windows.h>

namespace {

typedef DWORD(WINAPI* GETLONGPATHNAMEPROC)(LPCWSTR shortPath, LPWSTR longPath, DWORD capacity);

// Paths are assembled in MAX_PATH buffers: what does not fit is cut off.
void AppendBounded(CString& target, const CString& piece) {
  int room = MAX_PATH - 1 - target.GetLength();
  if (room > 0) {
    target += piece.Left(room);
  }
}

// The own module's path, in its long form when the system offers the conversion (older systems
// do not, so it is looked up by name).
CString ModulePath(HINSTANCE module) {
  WCHAR path[MAX_PATH] = {};
  GetModuleFileNameW(module, path, MAX_PATH);
  CString result(path);
  FARPROC proc = GetProcAddress(GetModuleHandleW(_T("kernel32")), "GetLongPathNameW");
  // Through the generic function pointer type, as any entry looked up by name.
  auto getLongPathName = reinterpret_cast<GETLONGPATHNAMEPROC>(reinterpret_cast<void (*)()>(proc));
  if (getLongPathName != nullptr) {
    WCHAR longPath[MAX_PATH] = {};
    DWORD length = getLongPathName(path, longPath, MAX_PATH);
    if (length > 0 && length < MAX_PATH && result.CompareNoCase(longPath) != 0) {
      result = longPath;
    }
  }
  return result;
}

bool IsDirectory(const CString& path) {
  DWORD attributes = GetFileAttributesW(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The language folder next to the module: the full code, else its prefixes (de-CH-x, de-CH, de).
CString FindLanguageFolder(const CString& folder, const CString& languageCode) {
  CString candidate(languageCode);
  while (!candidate.IsEmpty()) {
    if (IsDirectory(folder + candidate)) {
      return candidate;
    }
    int dash = candidate.ReverseFind(_T('-'));
    candidate = dash >= 0 ? candidate.Left(dash) : CString();
  }
  return CString();
}

}  // namespace

void LoadLanguageResourceModule(LPCWSTR languageCode, HINSTANCE ownModule, HINSTANCE& module) {
  if (module != nullptr && module != ownModule) {
    FreeLibrary(module);
  }
  module = ownModule;

  CString code(languageCode != nullptr ? languageCode : _T(""));
  if (code.CompareNoCase(_T("en-US")) == 0) {
    return;  // the built-in resources are English
  }

  CString path = ModulePath(ownModule);
  int separator = path.ReverseFind(_T('\\'));
  if (separator < 0) {
    separator = path.ReverseFind(_T('/'));
  }
  if (separator < 0) {
    return;
  }
  CString folder = path.Left(separator) + _T("\\");
  CString fileName = path.Mid(separator + 1);

  CString extension;
  int dot = fileName.ReverseFind(_T('.'));
  if (dot >= 0) {
    CString suffix = fileName.Mid(dot + 1);
    if (suffix.CompareNoCase(_T("dll")) == 0 || suffix.CompareNoCase(_T("exe")) == 0 ||
        suffix.CompareNoCase(_T("ocx")) == 0) {
      fileName = fileName.Left(dot);
      extension = suffix;
      extension.MakeUpper();
    }
  }
  if (fileName.IsEmpty()) {
    return;
  }

  CString resourceFileName;
  AppendBounded(resourceFileName, fileName);
  if (!extension.IsEmpty()) {
    AppendBounded(resourceFileName, _T("-"));
    AppendBounded(resourceFileName, extension);
  }
  AppendBounded(resourceFileName, _T("-mui.dll"));

  CString languageFolder = FindLanguageFolder(folder, code);
  if (!languageFolder.IsEmpty()) {
    AppendBounded(folder, languageFolder);
    AppendBounded(folder, _T("\\"));
  }

  CString resourcePath(folder);
  AppendBounded(resourcePath, resourceFileName);
  HINSTANCE loaded = LoadLibraryW(resourcePath);
  module = loaded != nullptr ? loaded : ownModule;
}
