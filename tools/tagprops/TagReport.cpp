#include "tools/tagprops/TagReport.h"

#include <charconv>
#include <cstdio>

#include "hostsim/Text.h"
#include "platform/win32/TextConversion.h"
#include "tools/tagprops/TagList.h"

namespace tagprops {
namespace {

using hostsim::Element;
using hostsim::Variable;

class Writer {
 public:
  void Line(const std::string& key, const std::string& value) { out_ += prefix_ + key + ": " + value + "\n"; }
  void Text(const std::string& key, std::u16string_view value) { Line(key, Quote(value)); }
  void Number(const std::string& key, double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    Line(key, std::string(buffer, result.ptr));
  }
  void Int(const std::string& key, long long value) { Line(key, std::to_string(value)); }
  void Flags(const std::string& key, DWORD value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(value));
    Line(key, buffer);
  }
  void SetPrefix(std::string prefix) { prefix_ = std::move(prefix); }
  std::string Take() { return std::move(out_); }

  static std::string Quote(std::u16string_view value) {
    std::string out = "\"";
    for (const char c : platform::Utf16ToUtf8(value)) {
      if (c == '"' || c == '\\') {
        out += '\\';
        out += c;
      } else if (static_cast<unsigned char>(c) < 0x20) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
        out += escape;
      } else {
        out += c;
      }
    }
    return out + "\"";
  }

 private:
  std::string out_;
  std::string prefix_;
};

template <std::size_t N>
std::u16string_view Field(const WCHAR (&buffer)[N]) {
  return hostsim::text::FromBuffer(buffer, N);
}

std::string AlarmTypeName(DWORD code, DWORD baseType) {
  switch (code) {
    case AlarmTypeRecord::kHiHi:
      return "HiHi";
    case AlarmTypeRecord::kHi:
      return baseType == 0 ? "On" : "Hi";
    case AlarmTypeRecord::kLo:
      return baseType == 0 ? "Off" : "Lo";
    case AlarmTypeRecord::kLoLo:
      return "LoLo";
    case AlarmTypeRecord::kRate:
      return baseType == 0 ? "Changed" : "Rate";
    case AlarmTypeRecord::kDeviationPlus:
      return "Deviation+";
    case AlarmTypeRecord::kDeviationMinus:
      return "Deviation-";
    default:
      return "unknown";
  }
}

void WriteAlarms(Writer& w, const std::string& at, const AlarmInfoRecord* info, DWORD baseType) {
  if (info == nullptr) {
    w.Line(at + "alarms", "none");
    return;
  }
  const std::string a = at + "alarms.";
  w.Flags(a + "flags", info->dwFlags);
  w.Int(a + "enabled", info->Get<AlarmInfoRecord::AlarmsEnabled>());
  w.Int(a + "translation", info->Get<AlarmInfoRecord::TranslationEnabled>());
  w.Number(a + "dead_band", info->dDeadBand);
  w.Number(a + "deviation_dead_band", info->dDeviationDeadBand);
  w.Text(a + "deviation_setpoint", Element::Text(info->deviationSetpoint));
  w.Text(a + "remote_ack", Element::Text(info->remoteAck));
  w.Text(a + "on_text", Field(info->szOnText));
  w.Text(a + "off_text", Field(info->szOffText));
  w.Text(a + "ack_text", Field(info->szAckText));
  const DWORD count = info->Get<AlarmInfoRecord::TypeCount>();
  w.Int(a + "types", count);
  for (DWORD i = 0; i < count; ++i) {
    const AlarmTypeRecord& t = info->pTypes[i];
    const std::string p = a + "type[" + std::to_string(i) + "].";
    const DWORD code = t.Get<AlarmTypeRecord::TypeCode>();
    w.Line(p + "code", std::to_string(code) + " " + AlarmTypeName(code, baseType));
    w.Flags(p + "flags", t.dwFlags);
    w.Int(p + "group", t.Get<AlarmTypeRecord::Group>());
    w.Int(p + "priority", t.Get<AlarmTypeRecord::Priority>());
    w.Int(p + "rate_unit", t.Get<AlarmTypeRecord::RateUnit>());
    w.Number(p + "limit", t.dLimit);
    w.Text(p + "message", Element::Text(t.message));
    w.Text(p + "selection", Field(t.szSelection));
  }
}

void WriteVariable(Writer& w, const Variable& v) {
  const TagDefRecord& def = v.Definition();
  w.Flags("definition.flags", def.dwFlags);
  w.Int("definition.base_type", def.Get<TagDefRecord::BaseType>());
  w.Int("definition.structure", def.Get<TagDefRecord::Structure>());
  w.Int("definition.array_size", def.Get<TagDefRecord::ArraySize>());
  if (v.IsStructure()) return;
  const ParamRecord& p = def.param;
  w.Flags("parameters.flags", p.dwFlags);
  w.Int("parameters.retentive_value", p.Get<ParamRecord::RetentiveValue>());
  w.Int("parameters.retentive_parameters", p.Get<ParamRecord::RetentiveParameters>());
  w.Int("parameters.dead_band_enabled", p.Get<ParamRecord::DeadBandEnabled>());
  w.Int("parameters.smoothing", p.Get<ParamRecord::Smoothing>());
  w.Number("parameters.engineering_min", p.dEngMin);
  w.Number("parameters.engineering_max", p.dEngMax);
  w.Text("parameters.unit", Field(p.szUnit));
  w.Number("parameters.dead_band", p.dDeadBand);
  w.Text("parameters.startup_value", v.Startup());
  w.Int("integration.value", p.Get<ParamRecord::ValueIntegration>());
  w.Int("integration.alarm", p.Get<ParamRecord::AlarmIntegration>());
  w.Int("integration.historian", p.Get<ParamRecord::HistorianIntegration>());
  const DWORD baseType = def.Get<TagDefRecord::BaseType>();
  for (int i = 0; i < v.ElementCount(); ++i) {
    const VarRecord& r = v.ElementAt(i)->Record();
    const std::string e = "element[" + std::to_string(i) + "].";
    w.Flags(e + "flags", r.dwFlags);
    w.Int(e + "history.enabled", r.Get<VarRecord::HistoryEnabled>());
    w.Int(e + "history.group", r.Get<VarRecord::HistoryGroup>());
    w.Number(e + "history.log_dead_band", r.dLogDeadBand);
    w.Int(e + "no_alarms_page", r.Get<VarRecord::NoAlarmsPage>());
    WriteAlarms(w, e, r.pAlarmInfo, baseType);
  }
}

}  // namespace

std::string TagReport::Format(const hostsim::TagDatabase& database, const hostsim::Settings& settings,
                              const hostsim::Tag& tag, DWORD member, const std::vector<hostsim::PostedMessage>& messages) {
  Writer w;
  w.Int("tag.number", tag.number);
  w.Text("tag.name", tag.name);
  w.Line("tag.kind", TagList::KindName(tag.kind));
  w.Line("tag.type", std::to_string(tag.type) + " " + TagList::TypeName(database, tag.type));
  w.Int("tag.size", tag.Size());
  w.Text("tag.description", tag.description);
  w.Line("tag.scope", tag.scope != 0 ? "1 Server" : "0 Local");
  w.Line("tag.from_scp", settings.IsScpTag(tag.name) ? "yes" : "no");
  w.Line("tag.created_on_platform", settings.IsIntegrationCreated(tag.name) ? "yes" : "no");
  WriteVariable(w, *tag.self);
  const hostsim::TagClass* cls = database.ClassAt(tag.ClassNumber());
  for (DWORD m = 1; cls != nullptr && m <= tag.members.size(); ++m) {
    if (member != 0 && m != member) continue;
    const hostsim::ClassMember& cm = cls->members[m - 1];
    const std::string name = platform::Utf16ToUtf8(cm.name);
    w.SetPrefix("member[" + name + "].");
    w.Line("type", std::to_string(cm.type) + " " + TagList::TypeName(database, cm.type));
    w.Text("description", cm.description);
    WriteVariable(w, *tag.members[m - 1]);
  }
  w.SetPrefix("");
  std::vector<const hostsim::PostedMessage*> posted;
  for (const auto& message : messages) {
    if ((message.first & 0xFFFF) == tag.number) posted.push_back(&message);
  }
  w.Int("messages", static_cast<long long>(posted.size()));
  for (std::size_t i = 0; i < posted.size(); ++i) {
    char line[96];
    std::snprintf(line, sizeof line, " 0x%X first=0x%08X second=0x%08X", posted[i]->message,
                  static_cast<unsigned>(posted[i]->first), static_cast<unsigned>(posted[i]->second));
    w.Line("message[" + std::to_string(i) + "]", platform::Utf16ToUtf8(posted[i]->task) + line);
  }
  return w.Take();
}

}  // namespace tagprops
