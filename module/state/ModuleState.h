#pragma once
#include <cstdint>

namespace pelk {

constexpr int kLanguageEnglish = 1;  // every other language code selects German

// The state the exports share with the page. It lives as long as the library stays loaded; a
// fresh load starts from these initial values. The page itself is held by Module.
struct ModuleState {
  int Language = 0;
  int OsType = 0;
  std::int32_t ValidOsMask = 0;
  std::int32_t OsBit = 0;
  bool TippActive = false;
  bool TippShown = false;
  bool TippChanged = false;
  bool TippSaved = false;
  bool RestoreDefaults = false;
  std::uint16_t TippMessage = 0;

  bool IsEnglish() const { return Language == kLanguageEnglish; }

  // ModulChanged: 0 no change, 1 changed and not yet applied, 2 changed and applied.
  int ChangeState() const {
    if (!TippChanged)
      return 0;
    return TippSaved ? 2 : 1;
  }

  // ModulNr, and the value of the OK broadcast: 1 restore defaults, 2 apply.
  int PendingAction() const { return RestoreDefaults ? 1 : 2; }
};

}  // namespace pelk
