#include "tests/win32/oldwindows/SimulatedSystem.h"

#include <shellapi.h>

#include <cstring>
#include <type_traits>
#include <utility>

namespace pelk {

const OldWindows kOldWindows[4] = {
    {"Windows 95", "win95", 0xC0000004, "Windows95Exports.txt", 4, true, true, true},
    {"Windows 98", "win98", 0xC0000A04, "Windows98Exports.txt", 3, true, false, false},
    {"Windows ME", "winme", 0xC0005A04, "WindowsMeExports.txt", 12, true, false, false},
    {"Windows NT 4.0", "nt40", 0x05650004, "WindowsNT4Exports.txt", 10, false, false, false},
};

const OldWindows* FindOldWindows(const std::string& wineVersion) {
  for (const OldWindows& system : kOldWindows) {
    if (wineVersion == system.wineVersion)
      return &system;
  }
  return nullptr;
}

namespace {

SimulatedSystem* current = nullptr;

// A system function that is only a stub, with the exact signature the caller pushes its
// arguments for (stdcall: the callee pops them). Each row of kStubs is a function of its own, so a
// call tells which stub it was.
void StubCalled(void* stub);

template <class Function, int Row, long Failure>
struct Stub;

template <class Result, class... Arguments, int Row, long Failure>
struct Stub<Result(WINAPI*)(Arguments...), Row, Failure> {
  static Result WINAPI Fail(Arguments...) {
    StubCalled(reinterpret_cast<void*>(&Fail));
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    if constexpr (std::is_pointer_v<Result>)
      return nullptr;
    else
      return static_cast<Result>(Failure);
  }
};

struct StubRow {
  const char* name;
  void* stub;
};

#define PELK_STUB(function, failure)                                                             \
  StubRow {                                                                                      \
#function, reinterpret_cast < void*>(&Stub <decltype(&::function), __LINE__, failure>::Fail) \
  }

// The stubs a call of the DLL may reach on Windows 9x: the security functions the restart uses
// on NT, and the W functions the library and its runtime use (which 9x only stubs).
const StubRow kStubs[] = {
    PELK_STUB(AdjustTokenPrivileges, FALSE),
    PELK_STUB(LookupPrivilegeValueA, FALSE),
    PELK_STUB(OpenProcessToken, FALSE),
    PELK_STUB(RegCreateKeyExW, ERROR_CALL_NOT_IMPLEMENTED),
    PELK_STUB(RegDeleteValueW, ERROR_CALL_NOT_IMPLEMENTED),
    PELK_STUB(RegOpenKeyExW, ERROR_CALL_NOT_IMPLEMENTED),
    PELK_STUB(RegQueryValueExW, ERROR_CALL_NOT_IMPLEMENTED),
    PELK_STUB(RegSetValueExW, ERROR_CALL_NOT_IMPLEMENTED),
    PELK_STUB(CreateFontIndirectW, 0),
    PELK_STUB(CreateFontW, 0),
    PELK_STUB(CreateSemaphoreW, 0),
    PELK_STUB(GetModuleFileNameW, 0),
    PELK_STUB(GetModuleHandleW, 0),
    PELK_STUB(GetSystemDirectoryW, 0),
    PELK_STUB(GetWindowsDirectoryW, 0),
    PELK_STUB(LoadLibraryW, 0),
    PELK_STUB(lstrcpynW, 0),
    PELK_STUB(AppendMenuW, FALSE),
    PELK_STUB(CallWindowProcW, 0),
    PELK_STUB(CreateWindowExW, 0),
    PELK_STUB(DefWindowProcW, 0),
    PELK_STUB(DrawTextW, 0),
    PELK_STUB(GetMonitorInfoW, FALSE),
    PELK_STUB(GetWindowLongW, 0),
    PELK_STUB(LoadCursorW, 0),
    PELK_STUB(PostMessageW, FALSE),
    PELK_STUB(RegisterClassExW, 0),
    PELK_STUB(SendMessageTimeoutW, 0),
    PELK_STUB(SendMessageW, 0),
    PELK_STUB(SetWindowLongW, 0),
    PELK_STUB(SetWindowTextW, FALSE),
    PELK_STUB(SystemParametersInfoW, FALSE),
    PELK_STUB(UnregisterClassW, FALSE),
    PELK_STUB(ShellExecuteW, 0),
};

void StubCalled(void* stub) {
  for (const StubRow& row : kStubs) {
    if (row.stub == stub && current != nullptr)
      current->Fail(row.name);
  }
}

void* StubFor(const std::string& function) {
  for (const StubRow& row : kStubs) {
    if (function == row.name)
      return row.stub;
  }
  return nullptr;
}

// The system functions whose answers depend on the system: the DLL gets these instead.
FARPROC WINAPI SimulatedGetProcAddress(HMODULE module, LPCSTR name) {
  return current != nullptr ? current->Lookup(module, name) : GetProcAddress(module, name);
}

template <class Name>
bool RefusedLibrary(Name name) {
  std::string narrow;
  for (; name != nullptr && *name != 0; ++name)
    narrow.push_back(static_cast<char>(*name));
  if (current == nullptr || !current->Lacks(LibraryName(narrow)))
    return false;
  SetLastError(ERROR_MOD_NOT_FOUND);
  return true;
}

HMODULE WINAPI SimulatedLoadLibraryA(LPCSTR name) {
  return RefusedLibrary(name) ? nullptr : LoadLibraryA(name);
}

HMODULE WINAPI SimulatedLoadLibraryW(LPCWSTR name) {
  return RefusedLibrary(name) ? nullptr : LoadLibraryW(name);
}

HMODULE WINAPI SimulatedLoadLibraryExA(LPCSTR name, HANDLE file, DWORD flags) {
  return RefusedLibrary(name) ? nullptr : LoadLibraryExA(name, file, flags);
}

bool RefusedCodePage(UINT codePage, const char* function) {
  if (current == nullptr || !current->System().refusesUtf8 ||
      (codePage != CP_UTF8 && codePage != CP_UTF7))
    return false;
  current->Fail(std::string(function) + (codePage == CP_UTF8 ? "(CP_UTF8)" : "(CP_UTF7)"));
  SetLastError(ERROR_INVALID_PARAMETER);
  return true;
}

int WINAPI SimulatedMultiByteToWideChar(UINT codePage, DWORD flags, LPCCH text, int length,
                                        LPWSTR wide, int capacity) {
  if (RefusedCodePage(codePage, "MultiByteToWideChar"))
    return 0;
  return MultiByteToWideChar(codePage, flags, text, length, wide, capacity);
}

int WINAPI SimulatedWideCharToMultiByte(UINT codePage, DWORD flags, LPCWCH text, int length,
                                        LPSTR narrow, int capacity, LPCCH defaultChar,
                                        LPBOOL usedDefault) {
  if (RefusedCodePage(codePage, "WideCharToMultiByte"))
    return 0;
  return WideCharToMultiByte(codePage, flags, text, length, narrow, capacity, defaultChar,
                             usedDefault);
}

void* StandIn(const std::string& function) {
  const std::pair<const char*, void*> standIns[] = {
      {"GetProcAddress", reinterpret_cast<void*>(&SimulatedGetProcAddress)},
      {"LoadLibraryA", reinterpret_cast<void*>(&SimulatedLoadLibraryA)},
      {"LoadLibraryW", reinterpret_cast<void*>(&SimulatedLoadLibraryW)},
      {"LoadLibraryExA", reinterpret_cast<void*>(&SimulatedLoadLibraryExA)},
      {"MultiByteToWideChar", reinterpret_cast<void*>(&SimulatedMultiByteToWideChar)},
      {"WideCharToMultiByte", reinterpret_cast<void*>(&SimulatedWideCharToMultiByte)},
  };
  for (const auto& [name, standIn] : standIns) {
    if (function == name)
      return standIn;
  }
  return nullptr;
}

std::string ModuleName(HMODULE module) {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(module, path, MAX_PATH);
  return LibraryName(path);
}

}  // namespace

SimulatedSystem::SimulatedSystem(const OldWindows& system, SystemExportList exports,
                                 std::set<std::string> systemLibraries)
    : system_(system), exports_(std::move(exports)), systemLibraries_(std::move(systemLibraries)) {
  current = this;
}

SimulatedSystem::~SimulatedSystem() {
  if (current == this)
    current = nullptr;
}

SimulatedSystem* SimulatedSystem::Current() {
  return current;
}

bool SimulatedSystem::Lacks(const std::string& library) const {
  return systemLibraries_.count(library) != 0 && !exports_.HasLibrary(library);
}

void* SimulatedSystem::Bind(const std::string& dll, const std::string& function,
                            std::string& refusal) {
  const std::string library = LibraryName(dll);
  if (Lacks(library)) {
    refusal = library + " is no part of " + system_.name;
    return nullptr;
  }
  HMODULE module = LoadLibraryA(dll.c_str());
  if (module == nullptr) {
    refusal = library + " cannot be loaded";
    return nullptr;
  }
  return Resolve(module, library, function, refusal);
}

void* SimulatedSystem::Resolve(HMODULE module, const std::string& library,
                               const std::string& function, std::string& refusal) {
  if (systemLibraries_.count(library) == 0) {  // the collection's own, such as the help library
    void* found = reinterpret_cast<void*>(GetProcAddress(module, function.c_str()));
    if (found == nullptr)
      refusal = library + " exports no " + function;
    return found;
  }
  switch (exports_.Find(library, function)) {
    case SystemExportList::Export::Missing:
      refusal = library + "!" + function + " does not exist on " + system_.name;
      return nullptr;
    case SystemExportList::Export::Stub:
      if (void* stub = StubFor(function))
        return stub;
      refusal = library + "!" + function + " is only a stub on " + system_.name +
                ", and the test host cannot stand in for it";
      return nullptr;
    case SystemExportList::Export::Implemented:
      break;
  }
  if (void* standIn = StandIn(function))
    return standIn;
  void* found = reinterpret_cast<void*>(GetProcAddress(module, function.c_str()));
  if (found == nullptr)
    refusal = library + "!" + function + " is missing from Wine";
  return found;
}

FARPROC SimulatedSystem::Lookup(HMODULE module, LPCSTR name) {
  if (IS_INTRESOURCE(name))
    return GetProcAddress(module, name);
  std::string refusal;
  void* found = Resolve(module, ModuleName(module), name, refusal);
  if (found == nullptr) {
    // A stub the host cannot stand in for must not pass unnoticed.
    if (exports_.Find(ModuleName(module), name) == SystemExportList::Export::Stub)
      Fail("GetProcAddress(" + std::string(name) + "): " + refusal);
    SetLastError(ERROR_PROC_NOT_FOUND);
  }
  return reinterpret_cast<FARPROC>(found);
}

}  // namespace pelk
