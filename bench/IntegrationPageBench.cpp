// Times the platform-integration page on a project whose integration files hold 100,000 tags and
// prints the ratios against their goals:
//   opening the page            <= 1.2 x LoadTagsDatabase
//   OK on the page              <= 1.2 x SaveTagsDatabase
//   SaveTagsDatabase            <= 1.5 x B   (B: a bare RapidJSON parse of the tags text)
//   decoding the text as UTF-8  <= 0.3 x B
// Every time is the process's processor time (the machine is shared).
// Usage: integration_page_bench [--tags N] [benchmark flags]

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <time.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "generator/IntegrationDatabaseGenerator.h"
#include "data/TagsDatabase.h"
#include "dialogs/CDlgVeltrixIntegration.h"
#include "helper/DiagnosticLog.h"
#include "helper/Json.h"
#include "helper/TextDecoder.h"
#include "tests/support/TempProject.h"
#include "platform/bcg/CBCGPPropertySheet.h"
#include "platform/driver/ScriptedUser.h"
#include "res/resource.h"

namespace {

namespace fs = std::filesystem;

double ProcessSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Times what `timed` does between its calls of start() and stop(); the rest of an iteration is
// set-up and clean-up.
void Manually(benchmark::State& state, const std::function<void(const std::function<void()>& start,
                                                                 const std::function<void()>& stop)>& timed) {
  for (auto _ : state) {
    double began = 0;
    double seconds = 0;
    timed([&] { began = ProcessSeconds(); }, [&] { seconds = ProcessSeconds() - began; });
    state.SetIterationTime(seconds);
  }
}

struct Project {
  support::TempProject project{support::TempProject::Options{.standardTags = false}};
  std::u16string tagsPath;
  std::u16string classesPath;
  std::u16string text;
  std::string utf8;
  std::u16string tag;
};

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The page's tag is a plain tag of the generated files, with value and historian integration.
void MakeProject(Project& p, std::size_t tags) {
  const auto database = generator::IntegrationDatabaseGenerator::Generate(tags);
  p.tagsPath = (p.project.Folder() / "tagl.json").u16string();
  p.classesPath = (p.project.Folder() / "class.json").u16string();
  if (!data::SaveTagsDatabase(database, p.tagsPath, p.classesPath)) {
    std::fprintf(stderr, "cannot write the integration files\n");
    std::exit(1);
  }
  for (const auto& [name, record] : database->tags) {
    if (!record->tagClass && record->corvane && record->corvane->historian) {
      p.tag = name;
      break;
    }
  }
  p.project.host().AddTag(p.tag, 2);
  ParamRecord& param = p.project.host().Definition(p.tag).param;
  param.Set<ParamRecord::ValueIntegration>(1);
  param.Set<ParamRecord::HistorianIntegration>(1);
  data::SerializeTagsDatabase(database, &p.text, nullptr);
  p.utf8 = helper::DiagnosticLog::ToUtf8(p.text);
  std::printf("%zu tags: tagl.json %.1f MB\n", tags,
              static_cast<double>(ReadBytes(p.project.Folder() / "tagl.json").size()) / (1 << 20));
}

// Runs the page in a sheet of its own; `script` acts once the page has opened.
void RunPage(Project& p, driver::ScriptedUser& user, const std::function<void(driver::Driver&)>& script) {
  CDlgVeltrixIntegration page(p.tag.c_str(), nullptr);
  CBCGPPropertySheet sheet(u"Tag Properties");
  sheet.AddPage(&page);
  user.OnModal(script);
  sheet.DoModal();
}

// A load takes about half a second: with the default half second of runs, one slowed run on the
// shared machine would decide a ratio alone.
constexpr double kMinSeconds = 3.0;

void Register(Project& p, driver::ScriptedUser& user) {
  benchmark::RegisterBenchmark("B", [&p](benchmark::State& state) {
    Manually(state, [&](const auto& start, const auto& stop) {
      auto document = std::make_unique<helper::JsonDocument>();
      start();
      document->Parse(p.text.c_str());
      stop();
      benchmark::DoNotOptimize(document->HasParseError());
    });
  })->UseManualTime()->MinTime(kMinSeconds);
  benchmark::RegisterBenchmark("DecodeUtf8", [&p](benchmark::State& state) {
    Manually(state, [&](const auto& start, const auto& stop) {
      std::u16string text;
      start();
      helper::TextDecoder::Decode(p.utf8, text);
      stop();
      benchmark::DoNotOptimize(text.data());
    });
  })->UseManualTime()->MinTime(kMinSeconds);
  benchmark::RegisterBenchmark("Load", [&p](benchmark::State& state) {
    Manually(state, [&](const auto& start, const auto& stop) {
      start();
      auto database = data::LoadTagsDatabase(p.tagsPath, p.classesPath);
      stop();
      if (!database) state.SkipWithError("load failed");
    });
  })->UseManualTime()->MinTime(kMinSeconds);
  benchmark::RegisterBenchmark("PageOpen", [&p, &user](benchmark::State& state) {
    Manually(state, [&](const auto& start, const auto& stop) {
      start();
      RunPage(p, user, [&](driver::Driver& d) {
        stop();
        d.Cancel();
      });
    });
  })->UseManualTime()->MinTime(kMinSeconds);
  benchmark::RegisterBenchmark("Save", [&p](benchmark::State& state) {
    const auto database = data::LoadTagsDatabase(p.tagsPath, p.classesPath);
    Manually(state, [&](const auto& start, const auto& stop) {
      start();
      if (!data::SaveTagsDatabase(database, p.tagsPath, p.classesPath)) state.SkipWithError("save failed");
      stop();
    });
  })->UseManualTime()->MinTime(kMinSeconds);
  benchmark::RegisterBenchmark("PageOk", [&p, &user](benchmark::State& state) {
    Manually(state, [&](const auto& start, const auto& stop) {
      RunPage(p, user, [&](driver::Driver& d) {
        start();
        d.Ok();
        stop();
      });
    });
  })->UseManualTime()->MinTime(kMinSeconds);
}

class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        seconds[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> seconds;
};

void PrintRatios(const std::map<std::string, double>& seconds) {
  const auto time = [&](const char* name) {
    for (const auto& [key, value] : seconds) {
      if (key.rfind(name, 0) == 0 && (key.size() == std::strlen(name) || key[std::strlen(name)] == '/')) {
        return value * 1000;
      }
    }
    return 0.0;
  };
  const struct {
    const char* measure;
    const char* value;
    const char* against;
    double goal;
  } rows[] = {
      {"page open / LoadTagsDatabase", "PageOpen", "Load", 1.2},
      {"page OK / SaveTagsDatabase", "PageOk", "Save", 1.2},
      {"SaveTagsDatabase / B", "Save", "B", 1.5},
      {"decode UTF-8 / B", "DecodeUtf8", "B", 0.3},
  };
  std::printf("\n%-32s %12s %12s %8s %8s\n", "measure", "time ms", "against ms", "ratio", "goal");
  for (const auto& row : rows) {
    const double value = time(row.value);
    const double against = time(row.against);
    const double ratio = against > 0 ? value / against : 0;
    std::printf("%-32s %12.2f %12.2f %8.2f %8.1f %s\n", row.measure, value, against, ratio, row.goal,
                ratio <= row.goal ? "met" : "MISSED");
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Without the heap's fast bins a free is done when it returns. With them, the small blocks of
  // the database that one run frees are merged at some later large allocation, which may fall
  // into the next run's timed part (opening a page first allocates while the sheet is built).
  mallopt(M_MXFAST, 0);
  std::size_t tags = 100000;
  std::vector<char*> args;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--tags") == 0 && i + 1 < argc) {
      tags = std::stoul(argv[++i]);
    } else {
      args.push_back(argv[i]);
    }
  }
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  driver::ScriptedUser user;
  Project project;
  MakeProject(project, tags);
  Register(project, user);
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  PrintRatios(reporter.seconds);
  const auto failures = user.Finish();
  for (const auto& failure : failures) std::fprintf(stderr, "%s:%d: %s\n", failure.file.c_str(), failure.line, failure.message.c_str());
  return failures.empty() ? 0 : 1;
}
