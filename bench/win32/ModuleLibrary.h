#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <utility>

#include "collection/host/TipLoader.h"

namespace pelk::bench {

// What the benchmark hands to ModulCreate: the page at its design size, German, supported.
struct CreateArguments {
  int Left = 120;
  int Top = 80;
  int Width = 298;
  int Height = 455;
  int OsType = 13;
  int Language = 0;
  const char* Caption = "Kontextmen\xFC f\xFCr Datei-Operationen";
  const char* Hint = "";
  int ValidOsMask = 0x1FFF;
  int HelpId = 412;
};

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
