#include "winhost/WinHost.h"

#include "winhost/DemoDatabase.h"

using winhost::DemoDatabase;

extern "C" {

void WinHostReset() { DemoDatabase::Instance().Reset(); }

int WinHostCommits(WORD tagNumber) {
  winhost::DemoTag* tag = DemoDatabase::Instance().TagAt(tagNumber);
  return tag ? tag->commits : 0;
}

int WinHostPosted() { return DemoDatabase::Instance().posted; }

void WinHostSetLanguage(LPCWSTR code) { DemoDatabase::Instance().language = code ? code : L""; }

}
