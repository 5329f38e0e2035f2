#pragma once
#include <string>

#include "platform/HelpTexts.h"
#include "platform/Shell.h"
#include "platform/WindowHandle.h"

namespace pelk {

// The registry editor opens at the key its "LastKey" value names when it starts.
constexpr const char* kRegeditSettingsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit";
constexpr const char* kRegeditLastKeyValue = "LastKey";
constexpr const char* kRegeditProgram = "regedit.exe";
constexpr int kSwShow = 5;

// Points the registry editor at the tip's key (help text of kind 5) and starts it. `registry`
// is an accessor already rooted at HKEY_CURRENT_USER with OpenKey(path, canCreate),
// WriteString(name, value) and CloseKey(). A key that cannot be opened makes the write fail;
// that failure ends the jump before the editor starts.
template <class Registry>
void JumpToRegistryKey(Registry& registry, HelpTexts& help, Shell& shell, WindowHandle page,
                       int helpId) {
  // Whether the key opened shows in the write, which the accessor refuses without a key.
  static_cast<void>(registry.OpenKey(kRegeditSettingsKey, true));
  const std::string key = help.GetHelpText(helpId, kHelpTextRegistryKey);
  registry.WriteString(kRegeditLastKeyValue, key);
  registry.CloseKey();
  shell.Execute(page, "", kRegeditProgram, "", "", kSwShow);
}

}  // namespace pelk
