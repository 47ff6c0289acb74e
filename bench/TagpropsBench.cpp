// tagprops list and show on a project of 50,000 tags, end to end (process start, project load,
// output). Goal: well under a second each; the "goal" counter is the time as a share of 1 s.

#include <benchmark/benchmark.h>
#include <cstdlib>

#include <chrono>
#include <filesystem>
#include <string>

#include "hostsim/ProjectStore.h"
#include "hostsim/Settings.h"
#include "hostsim/TagDatabase.h"
#include "platform/win32/TextConversion.h"
#include "tests/support/Program.h"
#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTags = 50000;

// Every tenth tag an array, every seventh with alarms, every third with history.
fs::path LargeProject() {
  static const support::TempFolder folder;
  static const bool made = [] {
    hostsim::TagDatabase db;
    db.AddClass(u"Motor", {{u"On", 0, u""}, {u"Rpm", 1, u""}, {u"Load", 2, u""}});
    for (int i = 0; i < kTags; ++i) {
      const int type = i % 100 == 0 ? 4 : i % 4;
      hostsim::Tag& tag = db.AddTag(hostsim::TagKind::User, platform::Utf8ToUtf16("Tag" + std::to_string(i)), type,
                                    i % 10 == 0 ? 8 : 0, u"A tag of the benchmark project", i % 2);
      if (tag.IsClassTyped()) continue;
      hostsim::Element& e = *tag.self->ElementAt(0);
      if (i % 3 == 0) e.Record().Set<VarRecord::HistoryEnabled>(1);
      if (i % 7 == 0 && type != 3) {
        e.AddInfo().Set<AlarmInfoRecord::AlarmsEnabled>(1);
        for (DWORD code : {1u, 2u, 4u, 8u}) e.AddType(code)->dLimit = code * 10.0;
        e.SetTypeMessage(1, u"Value very high");
      }
    }
    auto store = hostsim::ProjectStore::Create(folder.Path("project.db"));
    hostsim::ProjectStore::Transaction t(*store);
    for (const auto& c : db.Classes()) store->InsertClass(c);
    for (const auto& tag : db.Tags()) store->InsertTag(*tag);
    t.Commit();
    hostsim::Settings::Defaults().Save(folder.Path("settings.ini"));
    return true;
  }();
  return made ? folder.Root() : fs::path();
}

void RunTagprops(benchmark::State& state, const std::string& command) {
  const std::string line = support::Quoted(support::TagpropsPath()) + " --project " + support::Quoted(LargeProject()) +
                           " " + command + " >/dev/null";
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (std::system(line.c_str()) != 0) state.SkipWithError("tagprops failed");
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(took.count());
    state.counters["goal"] = took.count() / 1.0;
  }
}

void BM_List(benchmark::State& state) { RunTagprops(state, "list"); }
void BM_Show(benchmark::State& state) { RunTagprops(state, "show Tag49980"); }

BENCHMARK(BM_List)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Show)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
