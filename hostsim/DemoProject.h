#pragma once
// The demo project: enough tags to exercise every page of the editor.
//   system tags Second, Date, NetworkOk; SoftPLC tags PlcScan, PlcRunning;
//   Boolean Alarm (the three Boolean alarms, On/Off/Ack texts), Valves[4], AckAll, Heartbeat (its
//     record says it carries no alarms page);
//   Integer Level (parameters, every numeric alarm, history, a long message), Counters[10];
//   Real Temperature (long description), Pressures[5], Setpoint, Boiler (created on the platform,
//     integration block in tagl.json), ScpPressure (from the SCP source);
//   String Recipe, Messages[3];
//   class Pump (Running, Speed, Flow, Label) with instances Pump1 (integration block for its member
//     Speed) and Pump2.
// OEM CompanyID 81, so the integration page shows.

#include <filesystem>

namespace hostsim {

class DemoProject {
 public:
  // Creates the folder if needed; throws ProjectError when it already holds a project.
  static void Write(const std::filesystem::path& folder);
};

}  // namespace hostsim
