#pragma once
#include <map>
#include <set>
#include <string>

namespace pelk {

// What the system DLLs of one Windows export, read from a committed list
// (tests/win32/<System>Exports.txt): sections named by DLL, one function a line, "stub" after
// the name of one that is exported but only fails.
class SystemExportList {
 public:
  enum class Export { Missing, Implemented, Stub };

  // False, with `error` saying why, when the file cannot be read or a line makes no sense.
  bool Read(const std::string& path, std::string& error);

  // Names are compared as the loader does: DLL names without regard to case.
  bool HasLibrary(const std::string& dll) const;
  Export Find(const std::string& dll, const std::string& function) const;
  const std::set<std::string>& Libraries() const { return libraries_; }

 private:
  std::set<std::string> libraries_;                               // upper case, with ".DLL"
  std::map<std::string, std::map<std::string, bool>> functions_;  // DLL -> name -> stub
};

// "user32" or "C:\\windows\\system32\\USER32.dll" -> "USER32.DLL".
std::string LibraryName(const std::string& pathOrName);

}  // namespace pelk
