// Times the reading and writing of the integration files against the speed and
// memory goals and prints the ratios:
//   decoding a UTF-16 file        <= 2 M    (M: a memory copy of the file)
//   decoding a UTF-8 file         <= 0.3 B  (B: a bare UTF-16 parse of the text)
//   LoadTagsDatabase              <= 3 B
//   SaveTagsDatabase              <= 1.5 B
//   peak memory of a load         <= 5 x the files' size
// Usage: integration_files_bench [--million] [benchmark flags]

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "data/TagsDatabase.h"
#include "generator/IntegrationDatabaseGenerator.h"
#include "helper/DiagnosticLog.h"
#include "helper/Json.h"
#include "helper/TextDecoder.h"
#include "tests/support/TempFolder.h"

namespace {

struct Sample {
  std::size_t tags = 0;
  std::filesystem::path tagsPath;
  std::filesystem::path classesPath;
  std::shared_ptr<data::TagsDatabaseData> database;
  std::string utf16Bytes;
  std::string utf8Bytes;
  std::u16string text;
  std::uintmax_t fileBytes = 0;
  double peakBytes = 0;
};

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Kilobytes of a line such as "VmHWM:   1234 kB" of /proc/self/status.
double StatusKilobytes(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0) {
      return std::stod(line.substr(std::strlen(key) + 1));
    }
  }
  return 0;
}

// Runs in a fresh process so that nothing freed earlier hides in the heap.
int MeasurePeak(const char* tagsPath, const char* classesPath) {
  const double before = StatusKilobytes("VmRSS");
  const auto database = data::LoadTagsDatabase(std::filesystem::path(tagsPath).u16string(),
                                               std::filesystem::path(classesPath).u16string());
  const double peak = StatusKilobytes("VmHWM");
  std::printf("%.0f\n", database ? (peak - before) * 1024 : -1.0);
  return database ? 0 : 1;
}

double PeakOfLoad(const Sample& sample) {
  const std::string command = std::filesystem::read_symlink("/proc/self/exe").string() + " --peak '" +
                              sample.tagsPath.string() + "' '" +
                              sample.classesPath.string() + "'";
  FILE* child = popen(command.c_str(), "r");
  double peak = -1;
  if (child != nullptr) {
    if (std::fscanf(child, "%lf", &peak) != 1) {
      peak = -1;
    }
    pclose(child);
  }
  return peak;
}

std::string ToUtf8(const std::u16string& text) { return helper::DiagnosticLog::ToUtf8(text); }

Sample MakeSample(std::size_t tags, const std::filesystem::path& folder) {
  Sample sample;
  sample.tags = tags;
  sample.database = generator::IntegrationDatabaseGenerator::Generate(tags);
  sample.tagsPath = folder / ("tagl-" + std::to_string(tags) + ".json");
  sample.classesPath = folder / ("class-" + std::to_string(tags) + ".json");
  if (!data::SaveTagsDatabase(sample.database, sample.tagsPath.u16string(), sample.classesPath.u16string())) {
    std::cerr << "cannot write " << sample.tagsPath << "\n";
    std::exit(1);
  }
  // What the integration page writes is a database it has read from the files: its records lie
  // in memory in the files' order, not scattered in the generator's order.
  sample.database = data::LoadTagsDatabase(sample.tagsPath.u16string(), sample.classesPath.u16string());
  sample.utf16Bytes = ReadBytes(sample.tagsPath);
  data::SerializeTagsDatabase(sample.database, &sample.text, nullptr);
  sample.utf8Bytes = ToUtf8(sample.text);
  sample.fileBytes = std::filesystem::file_size(sample.tagsPath) + std::filesystem::file_size(sample.classesPath);
  sample.peakBytes = PeakOfLoad(sample);
  return sample;
}

void Register(Sample& s) {
  const std::string n = "/" + std::to_string(s.tags);
  benchmark::RegisterBenchmark(("M" + n).c_str(), [&s](benchmark::State& state) {
    for (auto _ : state) {
      auto copy = std::make_unique_for_overwrite<char[]>(s.utf16Bytes.size());
      std::memcpy(copy.get(), s.utf16Bytes.data(), s.utf16Bytes.size());
      benchmark::DoNotOptimize(copy.get());
      benchmark::ClobberMemory();
    }
  });
  benchmark::RegisterBenchmark(("B" + n).c_str(), [&s](benchmark::State& state) {
    for (auto _ : state) {
      auto document = std::make_unique<helper::JsonDocument>();
      document->Parse(s.text.c_str());
      benchmark::DoNotOptimize(document->HasParseError());
      state.PauseTiming();
      document.reset();
      state.ResumeTiming();
    }
  });
  const std::pair<const char*, const std::string*> decodes[] = {{"DecodeUtf16", &s.utf16Bytes},
                                                                {"DecodeUtf8", &s.utf8Bytes}};
  for (const auto& [name, bytes] : decodes) {
    benchmark::RegisterBenchmark((name + n).c_str(), [bytes](benchmark::State& state) {
      for (auto _ : state) {
        std::u16string text;
        helper::TextDecoder::Decode(*bytes, text);
        benchmark::DoNotOptimize(text.data());
      }
    });
  }
  benchmark::RegisterBenchmark(("Load" + n).c_str(), [&s](benchmark::State& state) {
    for (auto _ : state) {
      auto database = data::LoadTagsDatabase(s.tagsPath.u16string(), s.classesPath.u16string());
      if (!database) {
        state.SkipWithError("load failed");
      }
      // Freeing the database is not part of loading it.
      state.PauseTiming();
      database.reset();
      state.ResumeTiming();
    }
  });
  benchmark::RegisterBenchmark(("Serialize" + n).c_str(), [&s](benchmark::State& state) {
    for (auto _ : state) {
      std::u16string tags;
      std::u16string classes;
      benchmark::DoNotOptimize(data::SerializeTagsDatabase(s.database, &tags, &classes));
    }
  });
  benchmark::RegisterBenchmark(("Save" + n).c_str(), [&s](benchmark::State& state) {
    const std::u16string tagsPath = std::filesystem::path(s.tagsPath.string() + ".saved").u16string();
    const std::u16string classesPath = std::filesystem::path(s.classesPath.string() + ".saved").u16string();
    for (auto _ : state) {
      if (!data::SaveTagsDatabase(s.database, tagsPath, classesPath)) {
        state.SkipWithError("save failed");
      }
    }
  });
}

// Keeps the processor seconds per iteration of every run, printing as usual.
// Processor time, not wall time: the machine is shared, and page faults are
// charged to the process either way.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        seconds[run.benchmark_name()] = run.cpu_accumulated_time / static_cast<double>(run.iterations);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> seconds;
};

void PrintRatios(const std::vector<std::unique_ptr<Sample>>& samples, const std::map<std::string, double>& seconds) {
  std::printf("\n%-8s %-32s %12s %12s %8s %8s\n", "tags", "measure", "time ms", "against ms", "ratio", "goal");
  for (const auto& s : samples) {
    const std::string n = "/" + std::to_string(s->tags);
    auto time = [&](const std::string& name) {
      const auto found = seconds.find(name + n);
      return found == seconds.end() ? 0.0 : found->second * 1000;
    };
    const struct {
      const char* measure;
      double value;
      double against;
      double goal;
    } rows[] = {
        {"decode UTF-16 / M", time("DecodeUtf16"), time("M"), 2.0},
        {"decode UTF-8 / B", time("DecodeUtf8"), time("B"), 0.3},
        {"LoadTagsDatabase / B", time("Load"), time("B"), 3.0},
        {"SerializeTagsDatabase / B", time("Serialize"), time("B"), 0.0},
        {"SaveTagsDatabase / B", time("Save"), time("B"), 1.5},
    };
    for (const auto& row : rows) {
      const double ratio = row.against > 0 ? row.value / row.against : 0;
      std::printf("%-8zu %-32s %12.2f %12.2f %8.2f %8s %s\n", s->tags, row.measure, row.value, row.against, ratio,
                  row.goal > 0 ? std::to_string(row.goal).substr(0, 3).c_str() : "-",
                  row.goal > 0 ? (ratio <= row.goal ? "met" : "MISSED") : "");
    }
    const double mb = static_cast<double>(s->fileBytes) / (1 << 20);
    const double peakRatio = s->peakBytes / static_cast<double>(s->fileBytes);
    std::printf("%-8zu %-32s %9.1f MB %9.1f MB %8.2f %8s %s\n", s->tags, "peak memory of Load / file size",
                s->peakBytes / (1 << 20), mb, peakRatio, "5.0", peakRatio <= 5.0 ? "met" : "MISSED");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--peak") == 0) {
    return MeasurePeak(argv[2], argv[3]);
  }
  // Without the heap's fast bins a free is done when it returns, not merged into some later
  // timed allocation (freeing a database is not part of loading the next one).
  mallopt(M_MXFAST, 0);
  std::vector<std::size_t> sizes = {10000, 100000};
  std::vector<char*> args;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--million") == 0) {
      sizes.push_back(1000000);
    } else {
      args.push_back(argv[i]);
    }
  }
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());

  const support::TempFolder folder;
  std::vector<std::unique_ptr<Sample>> samples;
  for (const std::size_t tags : sizes) {
    samples.push_back(std::make_unique<Sample>(MakeSample(tags, folder.Root())));
    const Sample& s = *samples.back();
    std::printf("%zu tags: tagl.json %.1f MB (UTF-16), %.1f MB as UTF-8\n", tags,
                static_cast<double>(s.utf16Bytes.size()) / (1 << 20), static_cast<double>(s.utf8Bytes.size()) / (1 << 20));
    Register(*samples.back());
  }
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  PrintRatios(samples, reporter.seconds);
  return 0;
}
