#pragma once
#include "platform/win32/WindowsApi.h"

#include <string>

#include "tests/RegistryKeys.h"

namespace pelk {

using test::kRegeditKey;
using test::kSettingsKey;

// Clicks the page's Info button and returns the text of the box it shows ("" for none).
std::string InfoText(HWND page);

}  // namespace pelk
