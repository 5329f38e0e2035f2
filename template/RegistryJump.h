#pragma once
#include "platform/WindowHandle.h"

namespace pelk {

class HelpTexts;
class RegistryStore;
class Shell;

// The registry editor opens at the key its "LastKey" value names when it starts.
constexpr const char* kRegeditSettingsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit";
constexpr const char* kRegeditLastKeyValue = "LastKey";
// Started from the Windows folder: by its bare name the system would look in the host's current
// folder first, and a program planted there would run instead.
constexpr const char* kRegeditProgram = "regedit.exe";
constexpr int kSwShow = 5;

// Points the registry editor at the tip's key (help text of kind 5, written as "LastKey" under
// HKEY_CURRENT_USER) and starts it from the Windows folder with the page as parent window. A key
// that cannot be opened makes the write fail, which ends the jump before the editor starts; with
// no Windows folder known the editor is not started.
void JumpToRegistryKey(RegistryStore& registry, HelpTexts& help, Shell& shell, WindowHandle page,
                       int helpId);

}  // namespace pelk
