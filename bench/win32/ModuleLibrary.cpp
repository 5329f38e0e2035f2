#include "bench/win32/ModuleLibrary.h"

#include <utility>

namespace pelk::bench {

std::optional<ModuleLibrary> ModuleLibrary::Load(const std::string& path, std::string* error) {
  TipLoader tip(path.c_str());
  if (!tip.Loaded()) {
    if (error)
      *error =
          "LoadLibrary failed for " + path + " (error " + std::to_string(tip.LoadError()) + ")";
    return std::nullopt;
  }
  if (!tip.Exports().ModulCreate || !tip.Exports().ModulFree) {
    if (error)
      *error = path + " lacks ModulCreate or ModulFree";
    return std::nullopt;
  }
  return ModuleLibrary(std::move(tip));
}

int ModuleLibrary::Create(const CreateArguments& a) const {
  const auto create = tip_.Exports().ModulCreate;
  return create ? create(a.Left, a.Top, a.Width, a.Height, a.OsType, a.Language, a.Caption, a.Hint,
                         a.ValidOsMask, a.HelpId)
                : -1;
}

int ModuleLibrary::Free() const {
  const auto free = tip_.Exports().ModulFree;
  return free ? free() : -1;
}

}  // namespace pelk::bench
