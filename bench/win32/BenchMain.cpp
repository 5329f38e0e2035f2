// pelk_bench: open latency of the tip page against a hand-built reference window, the sizes of
// the two DLLs, and what 500 create/free cycles in one load leave behind.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "bench/BenchReport.h"
#include "bench/win32/Desktop.h"
#include "bench/win32/ModuleLibrary.h"
#include "bench/win32/ProcessCounters.h"
#include "bench/win32/ReferencePage.h"
#include "bench/win32/Stopwatch.h"

namespace pelk::bench {
namespace {

constexpr double kRatioTarget = 1.3;
constexpr double kDllSizeTarget = 280.0 * 1024.0;
constexpr double kMemoryGrowthTarget = 64.0 * 1024.0;

struct Options {
  std::string dll;     // loaded and measured
  std::string size32;  // i686 DLL whose size is reported
  std::string size64;  // x86_64 DLL whose size is reported
  int runs = 21;
  int cycles = 500;
  bool requirePage = false;
  std::vector<std::string> preload;  // libraries a host would hold already, loaded up front
};

std::string ExecutableFolder() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  const std::size_t slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

bool ParseCount(const char* text, int* out) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (!end || *end != '\0' || value < 1 || value > 100000)
    return false;
  *out = static_cast<int>(value);
  return true;
}

std::optional<Options> Parse(int argc, char** argv) {
  Options options;
  const std::string folder = ExecutableFolder();
  options.dll = folder + "\\Pelk412.dll";
  // Both builds' DLLs are reported, this one's and its twin's in the build tree beside it.
  constexpr bool k64Bit = sizeof(void*) == 8;
  options.size32 = k64Bit ? folder + "\\..\\..\\win32\\bin\\Pelk412.dll" : std::string();
  options.size64 = k64Bit ? std::string() : folder + "\\..\\..\\win64\\bin\\Pelk412.dll";
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    const bool hasValue = i + 1 < argc;
    if (flag == "--require-page") {
      options.requirePage = true;
    } else if (flag == "--preload" && hasValue) {
      options.preload.push_back(argv[++i]);
    } else if (flag == "--dll" && hasValue) {
      options.dll = argv[++i];
    } else if (flag == "--size32" && hasValue) {
      options.size32 = argv[++i];
    } else if (flag == "--size64" && hasValue) {
      options.size64 = argv[++i];
    } else if (flag == "--runs" && hasValue) {
      if (!ParseCount(argv[++i], &options.runs))
        return std::nullopt;
    } else if (flag == "--cycles" && hasValue) {
      if (!ParseCount(argv[++i], &options.cycles))
        return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  if (options.size32.empty())
    options.size32 = options.dll;
  if (options.size64.empty())
    options.size64 = options.dll;
  return options;
}

std::optional<std::int64_t> FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
    return std::nullopt;
  return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// What the first, unmeasured open showed.
struct PageCheck {
  bool shown = false;
  int children = 0;
  bool painted = false;
  bool goneAfterFree = false;
};

PageCheck CheckShownPage() {
  PageCheck check;
  const std::vector<HWND> windows = VisibleThreadWindows();
  check.shown = !windows.empty();
  if (check.shown) {
    check.children = ChildCount(windows.front());
    check.painted = !HasPendingPaint(windows.front());
  }
  return check;
}

// Where one open spends its time, phase by phase, to find what makes the difference.
struct OpenPhases {
  static constexpr int kCount = 5;
  double ms[kCount] = {};
};

// Times the phases of one open one after the other, into `phases` when given.
class PhaseClock {
 public:
  explicit PhaseClock(OpenPhases* phases) : phases_(phases ? *phases : local_) {}
  // Ends phase `index` now.
  void Lap(int index) {
    const double now = watch_.ElapsedMs();
    phases_.ms[index] = now - mark_;
    mark_ = now;
  }
  double TotalMs() const { return watch_.ElapsedMs(); }

 private:
  OpenPhases local_;
  OpenPhases& phases_;
  Stopwatch watch_;
  double mark_ = 0.0;
};

const char* const kModulePhases[OpenPhases::kCount] = {"LoadLibrary", "ModulCreate", "first paint",
                                                       "ModulFree and pump", "FreeLibrary"};
const char* const kReferencePhases[OpenPhases::kCount] = {"", "build and show", "first paint",
                                                          "destroy and pump", ""};

// One open of the module: LoadLibrary -> ModulCreate (page shown and painted) -> ModulFree ->
// FreeLibrary. Nothing when the library cannot be loaded.
std::optional<double> OpenModule(const Options& options, std::string* error,
                                 PageCheck* check = nullptr, OpenPhases* phases = nullptr) {
  PhaseClock clock(phases);
  std::optional<ModuleLibrary> library = ModuleLibrary::Load(options.dll, error);
  if (!library)
    return std::nullopt;
  clock.Lap(0);
  library->Create(CreateArguments{});
  clock.Lap(1);
  PumpUntilIdle();
  clock.Lap(2);
  if (check)
    *check = CheckShownPage();
  library->Free();
  PumpUntilIdle();
  if (check)
    check->goneAfterFree = VisibleThreadWindows().empty();
  clock.Lap(3);
  library->Unload();
  clock.Lap(4);
  return clock.TotalMs();
}

std::optional<double> OpenReference(HINSTANCE instance, PageCheck* check = nullptr,
                                    OpenPhases* phases = nullptr) {
  PhaseClock clock(phases);
  std::unique_ptr<ReferencePage> page = ReferencePage::Open(instance, CreateArguments{});
  if (!page)
    return std::nullopt;
  clock.Lap(1);
  PumpUntilIdle();
  clock.Lap(2);
  if (check)
    *check = CheckShownPage();
  page.reset();
  PumpUntilIdle();
  if (check)
    check->goneAfterFree = VisibleThreadWindows().empty();
  clock.Lap(3);
  return clock.TotalMs();
}

// The median of each phase over the runs, as report lines.
void AddPhases(Report& report, const char* who, const char* const names[],
               const std::vector<OpenPhases>& runs) {
  for (int index = 0; index < OpenPhases::kCount; ++index) {
    if (!*names[index])
      continue;
    std::vector<double> samples;
    for (const OpenPhases& run : runs)
      samples.push_back(run.ms[index]);
    report.Add(std::string("  ") + who + ": " + names[index], Milliseconds(Median(samples)));
  }
}

struct CycleFigures {
  ProcessCounters before;
  ProcessCounters after;
  int failedFrees = 0;
};

std::optional<CycleFigures> RunCycles(const Options& options, std::string* error) {
  std::optional<ModuleLibrary> library = ModuleLibrary::Load(options.dll, error);
  if (!library)
    return std::nullopt;
  CycleFigures figures;
  // One cycle first, so that what a first page sets up once (window classes, caches) is not
  // taken for growth.
  library->Create(CreateArguments{});
  PumpUntilIdle();
  library->Free();
  PumpUntilIdle();
  figures.before = SampleProcessCounters();
  for (int cycle = 0; cycle < options.cycles; ++cycle) {
    library->Create(CreateArguments{});
    PumpUntilIdle();
    if (library->Free() != 1)
      ++figures.failedFrees;
    PumpUntilIdle();
  }
  figures.after = SampleProcessCounters();
  library->Unload();
  return figures;
}

// The same cycles with the hand-built window: what the system itself keeps per window, to tell
// apart from what the module keeps.
CycleFigures RunReferenceCycles(HINSTANCE instance, int count) {
  CycleFigures figures;
  OpenReference(instance);
  figures.before = SampleProcessCounters();
  for (int cycle = 0; cycle < count; ++cycle) {
    if (!OpenReference(instance))
      ++figures.failedFrees;
  }
  figures.after = SampleProcessCounters();
  return figures;
}

std::optional<std::int64_t> Growth(std::optional<std::int64_t> before,
                                   std::optional<std::int64_t> after) {
  if (!before || !after)
    return std::nullopt;
  return *after - *before;
}

std::optional<double> AsDouble(std::optional<std::int64_t> value) {
  if (!value)
    return std::nullopt;
  return static_cast<double>(*value);
}

std::string Describe(const PageCheck& check) {
  if (!check.shown)
    return "no visible window after ModulCreate";
  return std::string("visible, ") + std::to_string(check.children) + " child windows, " +
         (check.painted ? "painted" : "paint pending") +
         (check.goneAfterFree ? ", gone after free" : ", STILL VISIBLE after free");
}

int Run(const Options& options) {
  for (const std::string& library : options.preload) {
    if (!LoadLibraryA(library.c_str())) {
      std::fprintf(stderr, "pelk_bench: cannot preload %s\n", library.c_str());
      return 2;
    }
  }
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!ReferencePage::RegisterWindowClass(instance)) {
    std::fprintf(stderr, "pelk_bench: cannot register the reference window class\n");
    return 2;
  }
  std::string error;
  PageCheck moduleCheck;
  PageCheck referenceCheck;
  if (!OpenModule(options, &error, &moduleCheck)) {
    std::fprintf(stderr, "pelk_bench: %s\n", error.c_str());
    return 2;
  }
  if (!OpenReference(instance, &referenceCheck)) {
    std::fprintf(stderr, "pelk_bench: the reference window could not be built\n");
    return 2;
  }

  // Side by side, the order swapped every run so neither always runs on a warmer system.
  std::vector<double> moduleTimes;
  std::vector<double> referenceTimes;
  std::vector<OpenPhases> modulePhases;
  std::vector<OpenPhases> referencePhases;
  for (int run = 0; run < options.runs; ++run) {
    std::optional<double> module;
    std::optional<double> reference;
    OpenPhases moduleRun;
    OpenPhases referenceRun;
    if (run % 2 == 0) {
      module = OpenModule(options, &error, nullptr, &moduleRun);
      reference = OpenReference(instance, nullptr, &referenceRun);
    } else {
      reference = OpenReference(instance, nullptr, &referenceRun);
      module = OpenModule(options, &error, nullptr, &moduleRun);
    }
    if (module) {
      moduleTimes.push_back(*module);
      modulePhases.push_back(moduleRun);
    }
    if (reference) {
      referenceTimes.push_back(*reference);
      referencePhases.push_back(referenceRun);
    }
  }
  const std::optional<double> moduleMedian = Median(moduleTimes);
  const std::optional<double> referenceMedian = Median(referenceTimes);
  const std::optional<double> ratio = Ratio(moduleMedian, referenceMedian);

  const std::optional<std::int64_t> size32 = FileSize(options.size32);
  const std::optional<std::int64_t> size64 = FileSize(options.size64);

  const std::optional<CycleFigures> cycles = RunCycles(options, &error);
  if (!cycles) {
    std::fprintf(stderr, "pelk_bench: %s\n", error.c_str());
    return 2;
  }
  const CycleFigures referenceCycles = RunReferenceCycles(instance, options.cycles);
  const auto gdiGrowth = Growth(cycles->before.GdiObjects, cycles->after.GdiObjects);
  const auto userGrowth = Growth(cycles->before.UserObjects, cycles->after.UserObjects);
  const auto memoryGrowth = Growth(cycles->before.PrivateBytes, cycles->after.PrivateBytes);
  const std::string perCycles = " (" + std::to_string(options.cycles) + " cycles)";

  Report report;
  report.Add("open latency, module (median of " + std::to_string(moduleTimes.size()) + ")",
             Milliseconds(moduleMedian));
  report.Add("open latency, reference (median of " + std::to_string(referenceTimes.size()) + ")",
             Milliseconds(referenceMedian));
  report.Add("open latency ratio module/reference", Fixed(ratio, 3), "<= 1.3",
             AtMost(ratio, kRatioTarget));
  AddPhases(report, "module", kModulePhases, modulePhases);
  AddPhases(report, "reference", kReferencePhases, referencePhases);
  report.Add("i686 DLL size", Kilobytes(size32), "<= 280 KB",
             AtMost(AsDouble(size32), kDllSizeTarget));
  report.Add("x86_64 DLL size", Kilobytes(size64));
  report.Add("GDI objects before", Count(cycles->before.GdiObjects));
  report.Add("GDI objects after", Count(cycles->after.GdiObjects));
  report.Add("GDI object growth" + perCycles, Count(gdiGrowth, true), "0",
             AtMost(AsDouble(gdiGrowth), 0.0));
  report.Add("USER objects before", Count(cycles->before.UserObjects));
  report.Add("USER objects after", Count(cycles->after.UserObjects));
  report.Add("USER object growth" + perCycles, Count(userGrowth, true), "0",
             AtMost(AsDouble(userGrowth), 0.0));
  report.Add("private bytes before", Kilobytes(cycles->before.PrivateBytes));
  report.Add("private bytes after", Kilobytes(cycles->after.PrivateBytes));
  report.Add("private bytes growth" + perCycles, Kilobytes(memoryGrowth, true), "< 64 KB",
             Below(AsDouble(memoryGrowth), kMemoryGrowthTarget));
  report.Add(
      "private bytes growth, reference" + perCycles,
      Kilobytes(Growth(referenceCycles.before.PrivateBytes, referenceCycles.after.PrivateBytes),
                true));
  report.Add(
      "GDI/USER growth, reference" + perCycles,
      Count(Growth(referenceCycles.before.GdiObjects, referenceCycles.after.GdiObjects), true) +
          "/" +
          Count(Growth(referenceCycles.before.UserObjects, referenceCycles.after.UserObjects),
                true));
  report.Note("module page: " + Describe(moduleCheck));
  report.Note("reference page: " + Describe(referenceCheck));
  report.Note("library: " + options.dll);
  report.Note("object counts: " + cycles->after.HandleSource);
  report.Note("private bytes: " + cycles->after.MemorySource);
  if (cycles->failedFrees > 0) {
    report.Note("ModulFree failed " + std::to_string(cycles->failedFrees) + " times");
  }
  report.Note(report.AllTargetsMet() ? "all targets met" : "targets missed or unmeasured");
  std::fputs(report.Render().c_str(), stdout);
  std::fflush(stdout);

  if (options.requirePage && !(moduleCheck.shown && moduleCheck.goneAfterFree))
    return 3;
  return 0;
}

}  // namespace
}  // namespace pelk::bench

int main(int argc, char** argv) {
  const std::optional<pelk::bench::Options> options = pelk::bench::Parse(argc, argv);
  if (!options) {
    std::fprintf(stderr,
                 "usage: pelk_bench [--dll PATH] [--size32 PATH] [--size64 PATH] [--runs N] "
                 "[--cycles N] [--require-page] [--preload DLL]...\n");
    return 2;
  }
  return pelk::bench::Run(*options);
}
