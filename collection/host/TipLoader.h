#pragma once
#include <array>

#include "module/exports/TipExports.h"
#include "platform/win32/WindowsApi.h"

namespace pelk {

// The five exports of a tip library as a host holds them; null where the library lacks one.
struct TipExports {
  ModulCreateFunction ModulCreate = nullptr;
  ModulFunction ModulFree = nullptr;
  ModulFunction ModulChanged = nullptr;
  ModulFunction ModulSaveChanges = nullptr;
  ModulFunction ModulNr = nullptr;

  bool Complete() const {
    return ModulCreate && ModulFree && ModulChanged && ModulSaveChanges && ModulNr;
  }
};

// One export looked up by its name and by its ordinal.
struct ExportLookup {
  const char* name;
  unsigned ordinal;
  bool foundByName = false;
  bool ordinalAgrees = false;  // the ordinal gives the function the name gives
};

// A tip library on the host's side: loaded by its path, or mapped by someone else (a loader that
// binds its imports itself), with the five exports found by name. Frees the library when it goes
// only if it loaded it.
class TipLoader {
 public:
  // LoadLibrary of the path; when that fails, Loaded() is false and LoadError() says why.
  explicit TipLoader(const char* path);
  // A library that someone else mapped and unloads.
  explicit TipLoader(HMODULE mapped);
  ~TipLoader();
  TipLoader(TipLoader&& other) noexcept;
  TipLoader& operator=(TipLoader&& other) noexcept;
  TipLoader(const TipLoader&) = delete;
  TipLoader& operator=(const TipLoader&) = delete;

  bool Loaded() const { return module_ != nullptr; }
  unsigned long LoadError() const { return loadError_; }
  HMODULE Module() const { return module_; }
  const TipExports& Exports() const { return exports_; }

  // The five in the order of their ordinals (1 ModulNr .. 5 ModulCreate), each also looked up by
  // its ordinal, as a host that imports them by ordinal would.
  std::array<ExportLookup, 5> LookUpByOrdinal() const;

  // Frees the library if this loaded it, and forgets it.
  void Unload();
  // Forgets the library without freeing it: its code stays for windows that are still alive.
  void Abandon();

 private:
  HMODULE module_ = nullptr;
  bool owns_ = false;
  unsigned long loadError_ = 0;
  TipExports exports_;
};

}  // namespace pelk
