#pragma once
// What the Windows tests ask the stand-in host beyond the host's own calls.

#include <windows.h>

#ifdef WINHOST_BUILD
#define WINHOSTAPI __declspec(dllexport)
#else
#define WINHOSTAPI __declspec(dllimport)
#endif

extern "C" {

// Brings back the demo tags as they were at start, with no commits, posts or language set.
WINHOSTAPI void WinHostReset();
// How often a save call committed the tag.
WINHOSTAPI int WinHostCommits(WORD tagNumber);
// Messages posted to the background task.
WINHOSTAPI int WinHostPosted();
// The language that OVGetCurrentLanguage answers.
WINHOSTAPI void WinHostSetLanguage(LPCWSTR code);

}
