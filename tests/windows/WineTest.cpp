// The plug-in on a real Win32 window manager: loaded by LoadLibraryW next to the stand-in host,
// its Properties dialog and its sheets for a Boolean, an Integer, a Real and a String tag worked
// through window messages as a person would, and what reached the host's records checked through
// the host's own calls. Saves a picture of the sheet (first argument: the PNG file's path).

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "Checks.h"
#include "ModalRun.h"
#include "PlugIn.h"
#include "Screenshot.h"
#include "host/Orvik.h"
#include "res/resource.h"
#include "winhost/WinHost.h"

namespace {

constexpr wchar_t kSheetCaption[] = L"Tag Properties";

struct HostTag {
  VarRef ref{};
  TagDefRecord* definition = nullptr;
  VarRecord* record = nullptr;
};

HostTag Find(LPCWSTR name) {
  HostTag tag;
  if (DBGetVar(&tag.ref, name)) OVFindVar(&tag.ref, &tag.definition, &tag.record, 0);
  return tag;
}

std::wstring Startup(const HostTag& tag) {
  WCHAR text[256] = {};
  if (tag.definition) OVGetParamStartup(&tag.definition->param, text, 256);
  return text;
}

std::wstring Description(const HostTag& tag) {
  WCHAR text[1025] = {};
  DBGetTagDescSecure(tag.ref.tagNumber, text, 1025);
  return text;
}

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

// The person's checks go to the same record; a failed act ends the person's part.
class Person {
 public:
  Person(Checks& checks, WindowDriver& driver) : m_checks(checks), m_driver(driver) {}

  HWND Window(LPCWSTR caption) {
    HWND hWnd = m_driver.WaitForWindow(caption);
    m_checks.Expect(hWnd != nullptr, "a window captioned as expected appears");
    return hWnd;
  }
  bool Type(HWND dialog, int id, const std::wstring& text) {
    return m_checks.Expect(m_driver.Type(Item(dialog, id), text), "typing into control " + std::to_string(id));
  }
  bool Check(HWND dialog, int id) {
    return m_checks.Expect(m_driver.ClickCheckBox(Item(dialog, id)), "clicking check box " + std::to_string(id));
  }
  bool NoMessageBox(HWND dialog) {
    return m_checks.Expect(m_driver.FindOtherDialog(dialog, GetParent(dialog)) == nullptr, "no message box");
  }

 private:
  Checks& m_checks;
  WindowDriver& m_driver;
};

void PropertiesDialog(Checks& checks, PlugIn& plugIn) {
  checks.Begin("Properties dialog: a new description reaches the host");
  BOOL result = ModalRun::Run([&] { return plugIn.editTagProperties(L"TankLevel"); }, [&](WindowDriver& driver) {
    Person person(checks, driver);
    HWND dialog = person.Window(L"Properties");
    if (!dialog) return;
    checks.ExpectText(WindowDriver::Text(Item(dialog, IDC_TAGNAME)), L"TankLevel", "tag name shown");
    checks.ExpectText(WindowDriver::Text(Item(dialog, IDC_DESCRIPTION)), L"Tank level", "description shown");
    if (!person.Type(dialog, IDC_DESCRIPTION, L"Level of tank 2")) return;
    person.NoMessageBox(dialog);
    driver.PressButton(dialog, IDOK);
  });
  checks.Expect(result == 1, "DBEditTagProperties returns 1 after OK");
  checks.ExpectText(Description(Find(L"TankLevel")), L"Level of tank 2", "stored description");
}

void IntegerSheet(Checks& checks, PlugIn& plugIn, const std::wstring& screenshot) {
  checks.Begin("Integer sheet: parameters and history pages, switched by their tabs");
  BOOL result = ModalRun::Run([&] { return plugIn.tagProperties(L"TankLevel"); }, [&](WindowDriver& driver) {
    Person person(checks, driver);
    HWND sheet = person.Window(kSheetCaption);
    if (!sheet) return;
    HWND page = WindowDriver::CurrentPage(sheet);
    checks.ExpectText(WindowDriver::Text(Item(page, IDC_STARTUP_VALUE)), L"50", "startup value shown");
    RECT area, last;
    GetWindowRect(page, &area);
    GetWindowRect(Item(page, IDC_SMOOTHING), &last);
    checks.Expect(last.right <= area.right && last.bottom <= area.bottom, "the page shows its last control whole");
    if (!person.Type(page, IDC_STARTUP_VALUE, L"75") || !person.Check(page, IDC_RETENTIVE_VALUE)) return;
    if (!screenshot.empty()) checks.Expect(SaveScreenshot(sheet, screenshot), "screenshot saved");
    if (!checks.Expect(driver.ClickTab(sheet, 2), "the History tab shows its page")) return;
    HWND history = WindowDriver::CurrentPage(sheet);
    checks.Expect(!IsWindowVisible(page), "the parameters page is hidden");
    if (!person.Check(history, IDC_HISTORY_ENABLED) || !person.Type(history, IDC_HISTORY_GROUP, L"7")) return;
    person.NoMessageBox(sheet);
    driver.PressButton(sheet, IDOK);
  });
  checks.Expect(result == 1, "DBTagProperties returns 1");
  HostTag tag = Find(L"TankLevel");
  checks.ExpectText(Startup(tag), L"75", "stored startup value");
  checks.Expect(tag.definition->param.Get<ParamRecord::RetentiveValue>() == 1, "retentive value flag set");
  checks.Expect(tag.record->Get<VarRecord::HistoryEnabled>() == 1, "history enabled");
  checks.Expect(tag.record->Get<VarRecord::HistoryGroup>() == 7, "history group 7");
  checks.Expect(WinHostCommits(tag.ref.tagNumber) >= 2, "parameters and history committed");
}

void RealSheetRefusesTab(Checks& checks, PlugIn& plugIn) {
  checks.Begin("Real sheet: a page that fails validation keeps its tab");
  BOOL result = ModalRun::Run([&] { return plugIn.tagProperties(L"Temperature"); }, [&](WindowDriver& driver) {
    Person person(checks, driver);
    HWND sheet = person.Window(kSheetCaption);
    if (!sheet) return;
    HWND page = WindowDriver::CurrentPage(sheet);
    if (!person.Type(page, IDC_ENG_MIN, L"abc")) return;
    driver.PressTab(sheet, 1);
    HWND box = nullptr;
    checks.Expect(WindowDriver::WaitUntil([&] { return (box = driver.FindOtherDialog(sheet, page)) != nullptr; }),
                  "the framework's prompt appears");
    if (!box) return;
    driver.PressButton(box, IDOK);
    checks.Expect(WindowDriver::WaitUntil([&] { return !IsWindow(box); }), "the prompt closes");
    checks.Expect(WindowDriver::CurrentPage(sheet) == page && IsWindowVisible(page), "the parameters page stays");
    checks.Expect(SendMessageW(WindowDriver::TabControl(sheet), TCM_GETCURSEL, 0, 0) == 0, "its tab stays selected");
    if (!person.Type(page, IDC_ENG_MIN, L"-40") || !person.Type(page, IDC_ENG_MAX, L"250.5")) return;
    person.NoMessageBox(sheet);
    driver.PressButton(sheet, IDOK);
  });
  checks.Expect(result == 1, "DBTagProperties returns 1");
  HostTag tag = Find(L"Temperature");
  checks.Expect(tag.definition->param.dEngMin == -40 && tag.definition->param.dEngMax == 250.5, "engineering range");
}

void BooleanSheet(Checks& checks, PlugIn& plugIn) {
  checks.Begin("Boolean sheet: a check box and the startup value");
  BOOL result = ModalRun::Run([&] { return plugIn.tagProperties(L"PumpRunning"); }, [&](WindowDriver& driver) {
    Person person(checks, driver);
    HWND sheet = person.Window(kSheetCaption);
    if (!sheet) return;
    HWND page = WindowDriver::CurrentPage(sheet);
    if (!person.Check(page, IDC_RETENTIVE_PARAMETERS) || !person.Type(page, IDC_STARTUP_VALUE, L"1")) return;
    person.NoMessageBox(sheet);
    driver.PressButton(sheet, IDOK);
  });
  checks.Expect(result == 1, "DBTagProperties returns 1");
  HostTag tag = Find(L"PumpRunning");
  checks.ExpectText(Startup(tag), L"1", "stored startup value");
  checks.Expect(tag.definition->param.Get<ParamRecord::RetentiveParameters>() == 1, "retentive parameters set");
}

void StringSheet(Checks& checks, PlugIn& plugIn) {
  checks.Begin("String sheet: Cancel keeps the record, OK stores the startup text");
  auto edit = [&](int button) {
    return ModalRun::Run([&] { return plugIn.tagProperties(L"Operator"); }, [&](WindowDriver& driver) {
      Person person(checks, driver);
      HWND sheet = person.Window(kSheetCaption);
      if (!sheet) return;
      HWND page = WindowDriver::CurrentPage(sheet);
      if (!person.Type(page, IDC_STARTUP_VALUE, L"Smith")) return;
      person.NoMessageBox(sheet);
      driver.PressButton(sheet, button);
    });
  };
  checks.Expect(edit(IDCANCEL) == 1, "DBTagProperties returns 1 after Cancel");
  checks.ExpectText(Startup(Find(L"Operator")), L"", "startup value after Cancel");
  checks.Expect(edit(IDOK) == 1, "DBTagProperties returns 1 after OK");
  checks.ExpectText(Startup(Find(L"Operator")), L"Smith", "startup value after OK");
}

// The German module is found by the plug-in's naming rule in the folder de next to it.
void GermanSheet(Checks& checks, PlugIn& plugIn) {
  checks.Begin("German: the sheet comes from the language module");
  plugIn.setLanguage(L"de-DE");
  BOOL result = ModalRun::Run([&] { return plugIn.tagProperties(L"Operator"); }, [&](WindowDriver& driver) {
    Person person(checks, driver);
    HWND sheet = person.Window(L"Tag-Eigenschaften");
    if (!sheet) return;
    WCHAR title[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = title;
    item.cchTextMax = 64;
    SendMessageW(WindowDriver::TabControl(sheet), TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    checks.ExpectText(title, L"Parameter", "first tab");
    driver.PressButton(sheet, IDCANCEL);
  });
  plugIn.setLanguage(L"en-US");
  checks.Expect(result == 1, "DBTagProperties returns 1");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Checks checks;
  PlugIn plugIn(L"TagProperties.dll");
  checks.Begin("the plug-in loads with its four exports");
  if (!checks.Expect(plugIn.Loaded(), "LoadLibraryW(TagProperties.dll) and its exports")) return checks.Finish();
  WinHostReset();
  PropertiesDialog(checks, plugIn);
  IntegerSheet(checks, plugIn, argc > 1 ? argv[1] : L"");
  RealSheetRefusesTab(checks, plugIn);
  BooleanSheet(checks, plugIn);
  StringSheet(checks, plugIn);
  GermanSheet(checks, plugIn);
  return checks.Finish();
}
