#pragma once
#include "platform/win32/WindowsApi.h"

#include <string>

namespace pelk {

// The collection's settings of the user: "BSControl", and a tip's own values.
constexpr char kSettingsKey[] = "SOFTWARE\\Morvex\\Quillobox";
// Where the registry editor's "LastKey" lives.
constexpr char kRegeditKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit";

// Clicks the page's Info button and returns the text of the box it shows ("" for none).
std::string InfoText(HWND page);

}  // namespace pelk
