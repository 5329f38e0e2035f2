#include "collection/host/TipLoader.h"

#include <utility>

namespace pelk {

namespace {

// GetProcAddress hands back a generic function pointer; going through void(*)() keeps the
// conversion to the real signature free of cast warnings.
template <typename Function>
Function Export(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

TipExports FindExports(HMODULE module) {
  TipExports exports;
  if (module == nullptr)
    return exports;
  exports.ModulCreate = Export<ModulCreateFunction>(module, "ModulCreate");
  exports.ModulFree = Export<ModulFunction>(module, "ModulFree");
  exports.ModulChanged = Export<ModulFunction>(module, "ModulChanged");
  exports.ModulSaveChanges = Export<ModulFunction>(module, "ModulSaveChanges");
  exports.ModulNr = Export<ModulFunction>(module, "ModulNr");
  return exports;
}

}  // namespace

TipLoader::TipLoader(const char* path) : module_(LoadLibraryA(path)), owns_(true) {
  if (module_ == nullptr)
    loadError_ = GetLastError();
  exports_ = FindExports(module_);
}

TipLoader::TipLoader(HMODULE mapped) : module_(mapped), exports_(FindExports(mapped)) {}

TipLoader::~TipLoader() {
  Unload();
}

TipLoader::TipLoader(TipLoader&& other) noexcept
    : module_(std::exchange(other.module_, nullptr)),
      owns_(std::exchange(other.owns_, false)),
      loadError_(other.loadError_),
      exports_(std::exchange(other.exports_, TipExports{})) {}

TipLoader& TipLoader::operator=(TipLoader&& other) noexcept {
  if (this != &other) {
    Unload();
    module_ = std::exchange(other.module_, nullptr);
    owns_ = std::exchange(other.owns_, false);
    loadError_ = other.loadError_;
    exports_ = std::exchange(other.exports_, TipExports{});
  }
  return *this;
}

std::array<ExportLookup, 5> TipLoader::LookUpByOrdinal() const {
  // The ordinals of TipLibrary.def.in.
  std::array<ExportLookup, 5> lookups{{{"ModulNr", 1},
                                       {"ModulSaveChanges", 2},
                                       {"ModulChanged", 3},
                                       {"ModulFree", 4},
                                       {"ModulCreate", 5}}};
  for (ExportLookup& lookup : lookups) {
    const FARPROC byName = module_ ? GetProcAddress(module_, lookup.name) : nullptr;
    const FARPROC byOrdinal =
        module_ ? GetProcAddress(module_, MAKEINTRESOURCEA(lookup.ordinal)) : nullptr;
    lookup.foundByName = byName != nullptr;
    lookup.ordinalAgrees = byName != nullptr && byName == byOrdinal;
  }
  return lookups;
}

void TipLoader::Unload() {
  if (module_ != nullptr && owns_)
    FreeLibrary(module_);
  Abandon();
}

void TipLoader::Abandon() {
  module_ = nullptr;
  owns_ = false;
  exports_ = TipExports{};
}

}  // namespace pelk
