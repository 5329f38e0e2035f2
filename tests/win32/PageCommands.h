#pragma once
#include "platform/win32/WindowsApi.h"

#include <string>

namespace pelk {

// Where the registry editor's "LastKey" lives.
constexpr char kRegeditKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit";

// Clicks the page's Info button and returns the text of the box it shows ("" for none).
std::string InfoText(HWND page);

}  // namespace pelk
