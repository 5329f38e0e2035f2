#pragma once
#include "platform/win32/WindowsApi.h"

namespace pelk {

// The image of the icon resource `name` in `module` that best fits size by size pixels, or none.
// Built from the resource's bits: LoadImage keeps about 80 bytes per call under Wine (2026-12-08),
// which a page made and freed for hours would pile up.
[[nodiscard]] HICON LoadIconResource(HMODULE module, const char* name, int size);

}  // namespace pelk
