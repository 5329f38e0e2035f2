#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <utility>

#include "bench/CreateArguments.h"
#include "collection/host/TipLoader.h"

namespace pelk::bench {

// The tip library loaded with LoadLibrary and its two exports the benchmark drives. Move-only;
// frees the library unless Unload() already did.
class ModuleLibrary {
 public:
  [[nodiscard]] static std::optional<ModuleLibrary> Load(const std::string& path,
                                                         std::string* error);

  int Create(const CreateArguments& arguments) const;
  int Free() const;
  void Unload() { tip_.Unload(); }

 private:
  explicit ModuleLibrary(TipLoader tip) : tip_(std::move(tip)) {}

  TipLoader tip_;
};

}  // namespace pelk::bench
