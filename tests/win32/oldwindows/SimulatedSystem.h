#pragma once
#include "platform/win32/WindowsApi.h"

#include <set>
#include <string>
#include <vector>

#include "tests/win32/oldwindows/SystemExportList.h"

namespace pelk {

// One of the older Windows the 32-bit DLL is for, as far as a test host can make Wine look like
// it: Wine's version setting makes GetVersion answer as that system; the rest is simulated by
// the imports the host binds (SimulatedSystem).
struct OldWindows {
  const char* name;          // "Windows 95"
  const char* wineVersion;   // Wine's name for it: "win95"
  DWORD version;             // what GetVersion answers there
  const char* exportList;    // the list of what its DLLs export, in tests/win32
  int osType;                // the host's index of it in the OS type table
  bool windows9x;            // the W functions are stubs; names and paths are ANSI
  bool refusesUtf8;          // MultiByteToWideChar and WideCharToMultiByte know no CP_UTF8
  bool refusesTlsDirectory;  // its loader refuses a DLL with a TLS directory
};

extern const OldWindows kOldWindows[4];
// Null for a name that is none of them.
const OldWindows* FindOldWindows(const std::string& wineVersion);

// What the DLL meets of the system, for the imports a test host binds itself: a function the
// system does not export fails the load; one it only stubs fails each call with
// ERROR_CALL_NOT_IMPLEMENTED and is recorded; GetProcAddress and LoadLibrary answer as that
// system would, and Windows 95 refuses CP_UTF8. One at a time: binding makes it the current one.
class SimulatedSystem {
 public:
  // `systemLibraries`: every DLL that belongs to some Windows (the sections of all lists); one
  // that this system lacks cannot be loaded.
  SimulatedSystem(const OldWindows& system, SystemExportList exports,
                  std::set<std::string> systemLibraries);
  ~SimulatedSystem();
  SimulatedSystem(const SimulatedSystem&) = delete;
  SimulatedSystem& operator=(const SimulatedSystem&) = delete;

  const OldWindows& System() const { return system_; }

  // What an import of `function` from `dll` is bound to, or null with `refusal` saying why the
  // system's loader would refuse the DLL.
  void* Bind(const std::string& dll, const std::string& function, std::string& refusal);

  // Calls of what the system only stubs or refuses, in order ("CreateWindowExW",
  // "MultiByteToWideChar(CP_UTF8)"), and lookups of stubs the host cannot stand in for.
  const std::vector<std::string>& Failures() const { return failures_; }

  // Internal, for the functions that stand in for the system's.
  static SimulatedSystem* Current();
  FARPROC Lookup(HMODULE module, LPCSTR name);
  bool Lacks(const std::string& library) const;
  void Fail(const std::string& what) { failures_.push_back(what); }

 private:
  void* Resolve(HMODULE module, const std::string& dll, const std::string& function,
                std::string& refusal);

  const OldWindows& system_;
  SystemExportList exports_;
  std::set<std::string> systemLibraries_;
  std::vector<std::string> failures_;
};

}  // namespace pelk
