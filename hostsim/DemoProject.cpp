#include "hostsim/DemoProject.h"

#include <fstream>
#include <string>
#include <system_error>

#include "hostsim/ProjectError.h"
#include "hostsim/ProjectStore.h"
#include "hostsim/Settings.h"
#include "hostsim/TagDatabase.h"
#include "hostsim/Text.h"
#include "platform/win32/TextConversion.h"

namespace hostsim {
namespace {

constexpr int kBoolean = kTypeBoolean, kInteger = kTypeInteger, kReal = kTypeReal, kString = kTypeString;
constexpr int kPump = 1 + kTypeClassOffset;

Element& At(Tag& tag, int element = 0, DWORD member = 0) { return *tag.VariableAt(member)->ElementAt(element); }

void NumericAlarm(Element& e, DWORD code, double limit, std::u16string_view message, DWORD group, DWORD priority,
                  std::u16string_view selection) {
  AlarmTypeRecord* type = e.AddType(code);
  type->dLimit = limit;
  type->Set<AlarmTypeRecord::Group>(group);
  type->Set<AlarmTypeRecord::Priority>(priority);
  e.SetTypeMessage(code, message);
  e.SetTypeSelection(code, selection);
}

void History(Element& e, DWORD group, double deadBand) {
  e.Record().Set<VarRecord::HistoryEnabled>(1);
  e.Record().Set<VarRecord::HistoryGroup>(group);
  e.Record().dLogDeadBand = deadBand;
}

void Unit(TagDefRecord& def, std::u16string_view unit) { text::CopyTo(unit, def.param.szUnit, 8); }

void BuildBooleans(TagDatabase& db) {
  Tag& alarm = db.AddTag(TagKind::User, u"Alarm", kBoolean, 0, u"Door open alarm", 0);
  Element& e = At(alarm);
  AlarmInfoRecord& info = e.AddInfo();
  info.Set<AlarmInfoRecord::AlarmsEnabled>(1);
  info.Set<AlarmInfoRecord::TranslationEnabled>(1);
  e.SetRemoteAck(u"AckAll");
  text::CopyTo(u"Open", info.szOnText, 33);
  text::CopyTo(u"Closed", info.szOffText, 33);
  text::CopyTo(u"Seen", info.szAckText, 33);
  NumericAlarm(e, AlarmTypeRecord::kHi, 0, u"Door opened", 2, 50, u"DOOR");
  NumericAlarm(e, AlarmTypeRecord::kLo, 0, u"Door closed", 2, 10, u"DOOR");
  NumericAlarm(e, AlarmTypeRecord::kRate, 0, u"Door changed", 3, 5, u"");
  History(e, 2, 0);
  alarm.self->Definition().param.Set<ParamRecord::RetentiveValue>(1);
  alarm.self->SetStartup(u"1");

  Tag& valves = db.AddTag(TagKind::User, u"Valves", kBoolean, 4, u"Valve positions", 1);
  History(At(valves, 1), 4, 0);
  History(At(valves, 3), 4, 0);
  db.AddTag(TagKind::User, u"AckAll", kBoolean, 0, u"Acknowledges every alarm", 0);
  Tag& heartbeat = db.AddTag(TagKind::User, u"Heartbeat", kBoolean, 0, u"Toggles every second; never alarms", 0);
  At(heartbeat).Record().Set<VarRecord::NoAlarmsPage>(1);
}

void BuildIntegers(TagDatabase& db) {
  Tag& level = db.AddTag(TagKind::User, u"Level", kInteger, 0, u"Tank level", 0);
  TagDefRecord& def = level.self->Definition();
  def.param.Set<ParamRecord::RetentiveValue>(1);
  def.param.Set<ParamRecord::DeadBandEnabled>(1);
  def.param.dEngMin = 0;
  def.param.dEngMax = 100;
  def.param.dDeadBand = 0.5;
  Unit(def, u"%");
  level.self->SetStartup(u"50");
  Element& e = At(level);
  AlarmInfoRecord& info = e.AddInfo();
  info.Set<AlarmInfoRecord::AlarmsEnabled>(1);
  info.dDeadBand = 1;
  info.dDeviationDeadBand = 2;
  e.SetDeviationSetpoint(u"Setpoint");
  e.SetRemoteAck(u"AckAll");
  NumericAlarm(e, AlarmTypeRecord::kHiHi, 95, u"Level very high: the tank is about to overflow, stop every feed pump now",
               1, 200, u"TANK");
  NumericAlarm(e, AlarmTypeRecord::kHi, 85, u"Level high", 1, 100, u"TANK");
  NumericAlarm(e, AlarmTypeRecord::kLo, 15, u"Level low", 1, 100, u"TANK");
  NumericAlarm(e, AlarmTypeRecord::kLoLo, 5, u"Level very low", 1, 200, u"TANK");
  NumericAlarm(e, AlarmTypeRecord::kRate, 10, u"Level changing fast", 2, 50, u"");
  e.FindType(AlarmTypeRecord::kRate)->Set<AlarmTypeRecord::RateUnit>(1);
  NumericAlarm(e, AlarmTypeRecord::kDeviationPlus, 5, u"Level above setpoint", 3, 20, u"");
  NumericAlarm(e, AlarmTypeRecord::kDeviationMinus, 5, u"Level below setpoint", 3, 20, u"");
  History(e, 3, 1);

  Tag& counters = db.AddTag(TagKind::User, u"Counters", kInteger, 10, u"Batch counters", 0);
  counters.self->SetStartup(u"0");
  for (int i = 0; i <= 10; i += 2) History(At(counters, i), 5, 0);
  Element& third = At(counters, 3);
  third.AddInfo().Set<AlarmInfoRecord::AlarmsEnabled>(1);
  NumericAlarm(third, AlarmTypeRecord::kHi, 1000, u"Counter 3 overflow", 1, 30, u"");
}

void BuildReals(TagDatabase& db) {
  Tag& temperature = db.AddTag(TagKind::User, u"Temperature", kReal, 0,
                               u"Reactor temperature measured at the outlet of the second heat exchanger, averaged over "
                               u"three sensors, compensated for ambient drift and filtered by the controller",
                               1);
  TagDefRecord& def = temperature.self->Definition();
  def.param.dEngMin = -40;
  def.param.dEngMax = 120;
  def.param.Set<ParamRecord::Smoothing>(1);
  Unit(def, u"degC");
  temperature.self->SetStartup(u"21.5");
  Element& e = At(temperature);
  e.AddInfo().Set<AlarmInfoRecord::AlarmsEnabled>(1);
  NumericAlarm(e, AlarmTypeRecord::kHiHi, 110, u"Temperature very high", 1, 250, u"HEAT");
  NumericAlarm(e, AlarmTypeRecord::kHi, 90.5, u"Temperature high", 1, 150, u"HEAT");
  NumericAlarm(e, AlarmTypeRecord::kLo, 5, u"Temperature low", 1, 150, u"HEAT");
  NumericAlarm(e, AlarmTypeRecord::kLoLo, -20, u"Temperature very low", 1, 250, u"HEAT");
  History(e, 1, 0.25);

  Tag& pressures = db.AddTag(TagKind::User, u"Pressures", kReal, 5, u"Line pressures", 0);
  Unit(pressures.self->Definition(), u"bar");
  for (int i = 0; i <= 5; ++i) History(At(pressures, i), 6, 0.1 * (i + 1));
  for (int line : {3, 4}) {
    Element& e = At(pressures, line);
    e.AddInfo().Set<AlarmInfoRecord::AlarmsEnabled>(1);
    e.SetRemoteAck(u"AckAll");
    const std::u16string name = u"Line " + std::u16string(1, static_cast<char16_t>(u'0' + line));
    NumericAlarm(e, AlarmTypeRecord::kHi, 8.5, name + u" pressure high", 4, 60, u"LINES");
    NumericAlarm(e, AlarmTypeRecord::kLo, 1.5, name + u" pressure low", 4, 40, u"LINES");
  }
  db.AddTag(TagKind::User, u"Setpoint", kReal, 0, u"Level setpoint", 0).self->SetStartup(u"60");
  Tag& boiler = db.AddTag(TagKind::User, u"Boiler", kReal, 0, u"Boiler temperature", 1);
  ParamRecord& param = boiler.self->Definition().param;
  param.Set<ParamRecord::ValueIntegration>(1);
  param.Set<ParamRecord::AlarmIntegration>(1);
  param.Set<ParamRecord::HistorianIntegration>(1);
  db.AddTag(TagKind::User, u"ScpPressure", kReal, 0, u"Pressure from the SCP source", 0);
}

void BuildStrings(TagDatabase& db) {
  Tag& recipe = db.AddTag(TagKind::User, u"Recipe", kString, 0, u"Current recipe", 0);
  recipe.self->SetStartup(u"Default recipe");
  recipe.self->Definition().param.Set<ParamRecord::RetentiveValue>(1);
  History(At(recipe), 7, 0);
  db.AddTag(TagKind::User, u"Messages", kString, 3, u"Operator messages", 1);
}

void BuildPumps(TagDatabase& db) {
  db.AddClass(u"Pump", {{u"Running", kBoolean, u"Motor running"},
                        {u"Speed", kInteger, u"Speed in rpm"},
                        {u"Flow", kReal, u"Flow in m3/h"},
                        {u"Label", kString, u"Name plate"}});
  Tag& pump1 = db.AddTag(TagKind::User, u"Pump1", kPump, 0, u"Feed pump", 0);
  Element& speed = At(pump1, 0, 2);
  speed.AddInfo().Set<AlarmInfoRecord::AlarmsEnabled>(1);
  NumericAlarm(speed, AlarmTypeRecord::kHi, 2900, u"Pump 1 overspeed", 4, 120, u"PUMP");
  History(speed, 8, 10);
  ParamRecord& param = pump1.VariableAt(2)->Definition().param;
  param.Set<ParamRecord::ValueIntegration>(1);
  param.Set<ParamRecord::HistorianIntegration>(1);
  pump1.VariableAt(2)->SetStartup(u"1450");
  History(At(pump1, 0, 3), 8, 0.5);
  db.AddTag(TagKind::User, u"Pump2", kPump, 0, u"Spare pump", 0);
}

std::u16string Quoted(std::u16string_view s) {
  std::u16string out = u"\"";
  for (char16_t c : s) {
    if (c == u'"' || c == u'\\') out += u'\\';
    out += c;
  }
  return out + u"\"";
}

// The integration files as the plug-in writes them: compact JSON, UTF-16LE with a byte order mark.
void WriteUtf16(const std::filesystem::path& file, std::u16string_view json) {
  std::string bytes = "\xFF\xFE";
  for (char16_t c : json) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out.flush()) throw ProjectError(file.filename().string() + ": cannot be written");
}

std::u16string Number(int n) { return platform::Utf8ToUtf16(std::to_string(n)); }

void WriteIntegrationFiles(const std::filesystem::path& folder, const TagDatabase& db) {
  const Tag& boiler = *db.FindTag(u"Boiler");
  const Tag& pump1 = *db.FindTag(u"Pump1");
  const std::u16string boilerTag =
      u"{\"id\":" + Number(boiler.number) +
      u",\"name\":\"Boiler\",\"size\":0,\"type\":\"Real\",\"description\":" + Quoted(boiler.description) +
      u",\"scope\":\"Server\",\"external_availability\":\"ReadOnly\",\"isPointer\":false,"
      u"\"corvane\":{\"value\":true,\"alarm\":true,\"historian\":{\"enable\":true,\"trendScaleMax\":400.0,"
      u"\"trendScaleMin\":0.0,\"interpolationType\":\"Linear\",\"description\":\"Boiler trend\","
      u"\"forcedStoragePeriod\":true,\"rolloverValue\":0.0,\"sampleCount\":100,\"swingingDoor\":false,"
      u"\"deadbandRate\":0.5}},"
      u"\"alarms\":[{\"type\":\"Hi\",\"group\":1,\"priority\":10,\"message\":\"Boiler hot\",\"selection\":\"\","
      u"\"limit\":350.0,\"member\":\"\"}],"
      u"\"histories\":[{\"version\":1,\"enable\":true,\"group\":1,\"deadBand\":0.5}]}";
  const std::u16string pumpTag =
      u"{\"id\":" + Number(pump1.number) +
      u",\"name\":\"Pump1\",\"size\":0,\"type\":\"Class\",\"description\":" + Quoted(pump1.description) +
      u",\"scope\":\"Local\",\"external_availability\":\"Disabled\",\"isPointer\":false,"
      u"\"class\":{\"id\":-1,\"name\":\"Pump\",\"members\":[{\"id\":" + Number(pump1.number) +
      u",\"name\":\"Speed\",\"corvane\":{\"value\":true,\"alarm\":false,\"historian\":{\"enable\":true,"
      u"\"trendScaleMax\":3000.0,\"trendScaleMin\":0.0,\"interpolationType\":\"Stairstep\",\"description\":\"\","
      u"\"forcedStoragePeriod\":false,\"rolloverValue\":2.9,\"sampleCount\":10,\"swingingDoor\":true,"
      u"\"deadbandRate\":1.5}}}]}}";
  WriteUtf16(folder / "tagl.json", u"{\"version\":1,\"tags\":[" + boilerTag + u"," + pumpTag + u"]}");

  const TagClass& pump = *db.ClassAt(1);
  std::u16string members;
  const char16_t* const typeNames[] = {u"Boolean", u"Integer", u"Real", u"String"};
  // Members in name order, as the plug-in writes its maps.
  for (const int i : {2, 3, 0, 1}) {
    const ClassMember& m = pump.members[static_cast<std::size_t>(i)];
    if (!members.empty()) members += u",";
    members += u"{\"id\":" + Number(i + 1) + u",\"name\":" + Quoted(m.name) + u",\"type\":\"" + typeNames[m.type] +
               u"\",\"description\":" + Quoted(m.description) + u"}";
  }
  WriteUtf16(folder / "class.json",
             u"{\"version\":1,\"classes\":[{\"id\":1,\"name\":\"Pump\",\"members\":[" + members + u"]}]}");
}

}  // namespace

void DemoProject::Write(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!std::filesystem::is_directory(folder, ec)) throw ProjectError("cannot create project folder " + folder.string());
  if (std::filesystem::exists(folder / "project.db", ec)) throw ProjectError(folder.string() + " already holds a project");

  TagDatabase db;
  db.AddTag(TagKind::System, u"Second", kInteger, 0, u"Seconds of the current minute", 0);
  db.AddTag(TagKind::System, u"Date", kString, 0, u"Current date", 0);
  db.AddTag(TagKind::System, u"NetworkOk", kBoolean, 0, u"Network status", 0);
  db.AddTag(TagKind::SoftPLC, u"PlcScan", kInteger, 0, u"SoftPLC scan time in ms", 0);
  db.AddTag(TagKind::SoftPLC, u"PlcRunning", kBoolean, 0, u"SoftPLC running", 0);
  BuildPumps(db);
  BuildBooleans(db);
  BuildIntegers(db);
  BuildReals(db);
  BuildStrings(db);

  auto store = ProjectStore::Create(folder / "project.db");
  ProjectStore::Transaction t(*store);
  for (const auto& c : db.Classes()) store->InsertClass(c);
  for (const auto& tag : db.Tags()) store->InsertTag(*tag);
  t.Commit();

  Settings settings = Settings::Defaults();
  settings.Set("OEM", "CompanyID", "81");
  settings.Set("SCP", "Enabled", "1");
  settings.Set("SCP", "Tags", "ScpPressure");
  settings.Set("Integration", "Enabled", "1");
  settings.Set("Integration", "CreatedTags", "Boiler");
  settings.Save(folder / "settings.ini");
  WriteIntegrationFiles(folder, db);
}

}  // namespace hostsim
