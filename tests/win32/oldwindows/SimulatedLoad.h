#pragma once
#include "platform/win32/WindowsApi.h"

#include <string>
#include <vector>

#include "tests/win32/oldwindows/SimulatedSystem.h"

namespace pelk {

// A DLL loaded as the loader of an older Windows would load it: mapped without binding
// (LoadLibraryEx with DONT_RESOLVE_DLL_REFERENCES), its header and import table checked by that
// system's rules, its imports bound through the SimulatedSystem, and its entry point run by the
// host. Unload runs the entry point's detach and unmaps it.
class SimulatedLoad {
 public:
  SimulatedLoad(const std::string& path, SimulatedSystem& system);
  ~SimulatedLoad();
  SimulatedLoad(const SimulatedLoad&) = delete;
  SimulatedLoad& operator=(const SimulatedLoad&) = delete;

  bool Loaded() const { return attached_; }
  HMODULE Module() const { return module_; }
  // Why the system would not load it, one reason a line; empty when it loaded.
  const std::vector<std::string>& Refusals() const { return refusals_; }
  std::string RefusalText() const;

  void Unload();

 private:
  void CheckHeader(const IMAGE_NT_HEADERS& headers);
  void BindImports(const IMAGE_NT_HEADERS& headers);
  bool RunEntry(DWORD reason);

  SimulatedSystem& system_;
  HMODULE module_ = nullptr;
  bool attached_ = false;
  std::vector<std::string> refusals_;
};

}  // namespace pelk
