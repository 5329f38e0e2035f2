#pragma once
#include <cstdint>

namespace pelk {

// The per-user setting that decides whether an unsupported Windows version locks the page.
constexpr const char* kSettingsKey = "SOFTWARE\\Morvex\\Quillobox";
constexpr const char* kBSControlValue = "BSControl";

struct TippActivation {
  std::int32_t osBit = 0;  // the running version's bit, 0 for an unknown version
  bool active = false;     // the page reads and may write the system's state
  bool lock = false;       // the page must be locked down
};

// A supported version is active; an unsupported one is locked and inactive when BSControl asks
// for it, and stays fully usable otherwise.
TippActivation DecideActivation(int osType, std::int32_t validOsMask, bool bsControl);

}  // namespace pelk
