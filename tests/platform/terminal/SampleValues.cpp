#include "tests/platform/terminal/SampleValues.h"

#include <map>
#include <string>
#include <vector>

#include "platform/driver/WindowQueries.h"
#include "res/resource.h"

namespace terminal {

namespace {

struct Sample {
  int id;
  const char16_t* value;  // an edit's text, a combo box's item; u"x" checks a check box
  std::vector<std::u16string> items = {};  // a combo box's items, when it has none yet
};

const std::map<UINT, std::vector<Sample>>& Samples() {
  static const std::vector<Sample> parameters = {
      {IDC_RETENTIVE_VALUE, u"x"}, {IDC_STARTUP_VALUE, u"25.5"},   {IDC_ENG_MIN, u"0"},
      {IDC_ENG_MAX, u"100"},       {IDC_UNIT, u"%"},               {IDC_DEAD_BAND_ENABLED, u"x"},
      {IDC_DEAD_BAND, u"0.5"},
  };
  static const std::vector<Sample> history = {
      {IDC_HISTORY_ENABLED, u"x"}, {IDC_HST_ARRAY_INDEX, u"0"}, {IDC_HISTORY_GROUP, u"1"}, {IDC_LOG_DEAD_BAND, u"0.1"},
  };
  static const std::map<UINT, std::vector<Sample>> samples = {
      {IDD_GENERAL,
       {{IDC_TAGNAME, u"Level"},
        {IDC_TYPE, u"Integer", {u"Boolean", u"Integer", u"Real", u"String"}},
        {IDC_TAG_SIZE, u"1"},
        {IDC_DESCRIPTION, u"Tank level in percent of its capacity"},
        {IDC_SCOPE, u"Local", {u"Local", u"Server"}}}},
      {IDD_NUM_PARAM, parameters},
      {IDD_BOOL_PARAM, {{IDC_RETENTIVE_VALUE, u"x"}, {IDC_STARTUP_VALUE, u"1"}, {IDC_UNIT, u"on/off"}}},
      {IDD_STR_PARAM, {{IDC_STARTUP_VALUE, u"Idle"}}},
      {IDD_ALR_NUM,
       {{IDC_ALARMS_ENABLED, u"x"}, {IDC_ALR_ARRAY_INDEX, u"0"}, {IDC_REMOTE_ACK_TAG, u"LevelAck"},
        {IDC_ALR_DEAD_BAND, u"1"}, {IDC_HIHI_ENABLED, u"x"}, {IDC_HIHI_LIMIT, u"95"},
        {IDC_HIHI_MESSAGE, u"Level very high"}, {IDC_HIHI_GROUP, u"Tanks"}, {IDC_HIHI_PRIORITY, u"900"},
        {IDC_HIHI_SELECTION, u"1"}, {IDC_RATE_LIMIT, u"5"}, {IDC_RATE_UNIT, u"1/min", {u"1/s", u"1/min", u"1/hour"}},
        {IDC_DEVIATION_SETPOINT, u"50"}}},
      {IDD_ALR_BOOL,
       {{IDC_ALARMS_ENABLED, u"x"}, {IDC_ALR_ARRAY_INDEX, u"0"}, {IDC_OFF_ENABLED, u"x"},
        {IDC_OFF_MESSAGE, u"Pump stopped"}, {IDC_OFF_TEXT, u"Stopped"}, {IDC_ON_TEXT, u"Running"},
        {IDC_ACK_TEXT, u"Seen"}}},
      {IDD_HST_NUM, history},
      {IDD_HST_BOOL, history},
      {IDD_VELTRIX_INTEGRATION,
       {{IDC_VALUE_INTEGRATION, u"x"}, {IDC_HISTORIAN_INTEGRATION, u"x"}, {IDC_INTERPOLATION_TYPE, u"Linear"},
        {IDC_FORCED_STORAGE, u"Disabled"}, {IDC_SWINGING_DOOR, u"Enabled"}, {IDC_TREND_SCALE_MAX, u"100"},
        {IDC_TREND_SCALE_MIN, u"0"}}},
  };
  return samples;
}

}  // namespace

void FillSampleValues(HWND window, UINT templateId) {
  for (const Sample& sample : Samples().at(templateId)) {
    const HWND control = GetDlgItem(window, sample.id);
    if (control == nullptr) continue;
    const std::u16string className = driver::ClassName(control);
    if (className == u"Button") {
      SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
    } else if (className == u"ComboBox") {
      if (SendMessageW(control, CB_GETCOUNT, 0, 0) == 0) {
        for (const std::u16string& item : sample.items) SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
      }
      SendMessageW(control, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(sample.value));
    } else {
      SetWindowTextW(control, sample.value);
    }
  }
}

}  // namespace terminal
