// host.exe [options] [path of the tip DLL]: loads the tip, calls ModulCreate with the options,
// prints what the exports answer and every "Morvex" broadcast its own window receives, and ends
// after --run-ms milliseconds or, with 0, when the page's windows (or the shown host window) are
// gone. Then ModulFree.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "collection/host/TipLoader.h"

namespace {

using pelk::TipExports;
using pelk::TipLoader;

struct Options {
  std::string dll = "Pelk412.dll";
  int left = 100;
  int top = 100;
  int width = 300;
  int height = 460;
  int osType = 13;
  int language = 0;
  int mask = 0x1FFF;
  std::string caption = "Kontextmen\xFC";
  std::string hint;
  int helpId = 412;
  int runMs = 0;
  bool save = false;
  bool leavePage = false;
  bool showHost = false;
  bool help = false;
};

// What the window procedure needs; reached through GWLP_USERDATA.
struct HostWindow {
  UINT morvex = 0;
  HWND hwnd = nullptr;
  const TipExports* exports = nullptr;
  int lastChanged = -1;
  int lastNr = -1;
};

void Print(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Print(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  std::vfprintf(stdout, format, arguments);
  va_end(arguments);
  std::fflush(stdout);
}

void PrintUsage() {
  Print(
      "usage: host.exe [options] [tip.dll]   (default Pelk412.dll)\n"
      "  --left N --top N --width N --height N   page bounds (100 100 300 460)\n"
      "  --os-type N      Windows version index 1..18 (13, Windows XP)\n"
      "  --language N     1 English, anything else German (0)\n"
      "  --mask N         supported versions, bit set; 0x.. for hex (0x1FFF)\n"
      "  --caption TEXT   page caption\n"
      "  --hint TEXT      hint text\n"
      "  --help-id N      help id of the tip (412)\n"
      "  --run-ms N       end after N ms; 0 waits until the page is closed (0)\n"
      "  --save           call ModulSaveChanges before ModulFree\n"
      "  --leave-page     end the process with the page still open: no ModulFree, no unload\n"
      "  --show-host      show the host's window; closing it ends the run\n"
      "  --help           this text\n");
}

bool ParseInt(const char* text, int& value) {
  char* end = nullptr;
  const long parsed = std::strtol(text, &end, 0);
  if (end == text || *end != '\0')
    return false;
  value = static_cast<int>(parsed);
  return true;
}

// False on an unknown option or a missing or malformed value.
bool ParseOptions(int argc, char** argv, Options& options) {
  struct IntOption {
    const char* name;
    int* value;
  };
  const IntOption intOptions[] = {
      {"--left", &options.left},      {"--top", &options.top},
      {"--width", &options.width},    {"--height", &options.height},
      {"--os-type", &options.osType}, {"--language", &options.language},
      {"--mask", &options.mask},      {"--help-id", &options.helpId},
      {"--run-ms", &options.runMs},
  };
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    bool known = false;
    for (const IntOption& option : intOptions) {
      if (arg != option.name)
        continue;
      if (!hasValue || !ParseInt(argv[++i], *option.value)) {
        std::fprintf(stderr, "host: %s needs a number\n", option.name);
        return false;
      }
      known = true;
    }
    if (known)
      continue;
    if ((arg == "--caption" || arg == "--hint") && hasValue) {
      (arg == "--caption" ? options.caption : options.hint) = argv[++i];
    } else if (arg == "--save") {
      options.save = true;
    } else if (arg == "--leave-page") {
      options.leavePage = true;
    } else if (arg == "--show-host") {
      options.showHost = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (!arg.empty() && arg[0] != '-') {
      options.dll = arg;
    } else {
      std::fprintf(stderr, "host: unknown option %s\n", arg.c_str());
      return false;
    }
  }
  return true;
}

// Prints how each export was found; false when one is missing.
bool ReportExports(const TipLoader& tip) {
  bool all = true;
  for (const pelk::ExportLookup& lookup : tip.LookUpByOrdinal()) {
    Print("export %-16s ordinal %u: %s\n", lookup.name, lookup.ordinal,
          !lookup.foundByName    ? "missing"
          : lookup.ordinalAgrees ? "found"
                                 : "ordinal differs");
    all = all && lookup.foundByName;
  }
  return all;
}

// Prints ModulChanged and ModulNr when either differs from what was printed last, or always.
void ReportChangeState(HostWindow& host, bool always) {
  if (host.exports == nullptr)
    return;
  const int changed = host.exports->ModulChanged();
  const int nr = host.exports->ModulNr();
  if (!always && changed == host.lastChanged && nr == host.lastNr)
    return;
  host.lastChanged = changed;
  host.lastNr = nr;
  Print("ModulChanged: %d, ModulNr: %d\n", changed, nr);
}

LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* host = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (host && host->morvex != 0 && message == host->morvex) {
    Print("broadcast Morvex: code %ld value %ld\n", static_cast<long>(wParam),
          static_cast<long>(lParam));
    // A host asks the page's state when it hears of it, as the collection's host does.
    ReportChangeState(*host, true);
    return 0;
  }
  if (host && message == WM_TIMER)
    ReportChangeState(*host, false);
  if (message == WM_DESTROY)
    PostQuitMessage(0);
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool CreateHostWindow(HostWindow& host, bool show) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = HostWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "PelkHostWindow";
  if (!RegisterClassA(&windowClass))
    return false;
  host.hwnd = CreateWindowExA(0, "PelkHostWindow", "Pelk412 host", WS_OVERLAPPEDWINDOW, 0, 0, 240,
                              120, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!host.hwnd)
    return false;
  SetWindowLongPtrA(host.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&host));
  if (show)
    ShowWindow(host.hwnd, SW_SHOWNOACTIVATE);
  return true;
}

struct ThreadWindows {
  HWND except;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM context) {
  auto* windows = reinterpret_cast<ThreadWindows*>(context);
  if (hwnd != windows->except && IsWindowVisible(hwnd))
    windows->found.push_back(hwnd);
  return TRUE;
}

// The visible top-level windows of this thread apart from the host's own: the page.
std::vector<HWND> PageWindows(HWND hostWindow) {
  ThreadWindows windows{hostWindow, {}};
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows.found;
}

bool AnyAlive(const std::vector<HWND>& windows) {
  for (HWND hwnd : windows) {
    if (IsWindow(hwnd) && IsWindowVisible(hwnd))
      return true;
  }
  return false;
}

// Paints the window and its children now, then says where it lies on the screen, so that a
// script can take a picture of it.
void PrintPainted(HWND hwnd) {
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  GdiFlush();
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  Print("page painted at %ld,%ld size %ldx%ld\n", rect.left, rect.top, rect.right - rect.left,
        rect.bottom - rect.top);
}

// Pumps messages until the time is up, the host window is closed, or (runMs 0) the page is gone.
void Run(const Options& options, HostWindow& host, const std::vector<HWND>& page) {
  const DWORD start = GetTickCount();
  constexpr UINT_PTR kTick = 1;
  SetTimer(host.hwnd, kTick, 50, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
    if (message.message != WM_TIMER)
      continue;
    if (options.runMs > 0 && GetTickCount() - start >= static_cast<DWORD>(options.runMs))
      break;
    if (options.runMs == 0 && !options.showHost && !AnyAlive(page))
      break;
  }
  KillTimer(host.hwnd, kTick);
}

int RunTip(const Options& options) {
  TipLoader tip(options.dll.c_str());
  if (!tip.Loaded()) {
    Print("LoadLibrary %s failed: error %lu\n", options.dll.c_str(), tip.LoadError());
    return 2;
  }
  Print("loaded %s\n", options.dll.c_str());
  if (!ReportExports(tip))
    return 3;
  const TipExports& exports = tip.Exports();
  HostWindow host;
  host.exports = &exports;
  host.morvex = RegisterWindowMessageA("Morvex");
  Print("registered Morvex: 0x%X\n", host.morvex);
  if (!CreateHostWindow(host, options.showHost)) {
    Print("cannot create the host window: error %lu\n", GetLastError());
    return 4;
  }
  Print("ModulChanged before ModulCreate: %d\n", exports.ModulChanged());
  Print("ModulNr before ModulCreate: %d\n", exports.ModulNr());
  Print("ModulCreate(%d, %d, %d, %d, os %d, language %d, mask 0x%X, help %d): %d\n", options.left,
        options.top, options.width, options.height, options.osType, options.language,
        static_cast<unsigned>(options.mask), options.helpId,
        exports.ModulCreate(options.left, options.top, options.width, options.height,
                            options.osType, options.language, options.caption.c_str(),
                            options.hint.c_str(), options.mask, options.helpId));
  const std::vector<HWND> page = PageWindows(host.hwnd);
  Print("page windows: %u\n", static_cast<unsigned>(page.size()));
  for (HWND hwnd : page)
    PrintPainted(hwnd);
  Print("ModulChanged: %d\n", exports.ModulChanged());
  Print("ModulNr: %d\n", exports.ModulNr());
  if (options.runMs != 0 || options.showHost || !page.empty())
    Run(options, host, page);
  if (options.save)
    Print("ModulSaveChanges: %d\n", exports.ModulSaveChanges());
  if (options.leavePage) {
    Print("ending with the page open\n");
    ExitProcess(0);
  }
  Print("ModulChanged: %d\n", exports.ModulChanged());
  Print("ModulNr: %d\n", exports.ModulNr());
  Print("ModulFree: %d\n", exports.ModulFree());
  if (IsWindow(host.hwnd))
    DestroyWindow(host.hwnd);
  tip.Unload();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    PrintUsage();
    return 1;
  }
  if (options.help) {
    PrintUsage();
    return 0;
  }
  return RunTip(options);
}
