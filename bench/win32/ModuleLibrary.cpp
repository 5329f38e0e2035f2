#include "bench/win32/ModuleLibrary.h"

#include <utility>

namespace pelk::bench {

namespace {

// GetProcAddress hands back a generic function pointer; going through void(*)() keeps the
// conversion to the real signature free of cast warnings.
template <typename Function>
Function Export(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

std::optional<ModuleLibrary> ModuleLibrary::Load(const std::string& path, std::string* error) {
  HMODULE module = LoadLibraryA(path.c_str());
  if (!module) {
    if (error)
      *error = "LoadLibrary failed for " + path + " (error " + std::to_string(GetLastError()) + ")";
    return std::nullopt;
  }
  auto create = Export<CreateFunction>(module, "ModulCreate");
  auto free = Export<FreeFunction>(module, "ModulFree");
  if (!create || !free) {
    FreeLibrary(module);
    if (error)
      *error = path + " lacks ModulCreate or ModulFree";
    return std::nullopt;
  }
  return ModuleLibrary(module, create, free);
}

ModuleLibrary::ModuleLibrary(HMODULE module, CreateFunction create, FreeFunction free)
    : module_(module), create_(create), free_(free) {}

ModuleLibrary::ModuleLibrary(ModuleLibrary&& other) noexcept
    : module_(std::exchange(other.module_, nullptr)),
      create_(std::exchange(other.create_, nullptr)),
      free_(std::exchange(other.free_, nullptr)) {}

ModuleLibrary& ModuleLibrary::operator=(ModuleLibrary&& other) noexcept {
  if (this != &other) {
    Unload();
    module_ = std::exchange(other.module_, nullptr);
    create_ = std::exchange(other.create_, nullptr);
    free_ = std::exchange(other.free_, nullptr);
  }
  return *this;
}

ModuleLibrary::~ModuleLibrary() {
  Unload();
}

int ModuleLibrary::Create(const CreateArguments& a) const {
  return create_ ? create_(a.Left, a.Top, a.Width, a.Height, a.OsType, a.Language, a.Caption,
                           a.Hint, a.ValidOsMask, a.HelpId)
                 : -1;
}

int ModuleLibrary::Free() const {
  return free_ ? free_() : -1;
}

void ModuleLibrary::Unload() {
  if (module_)
    FreeLibrary(module_);
  module_ = nullptr;
  create_ = nullptr;
  free_ = nullptr;
}

}  // namespace pelk::bench
