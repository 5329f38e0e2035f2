#pragma once

namespace pelk {

class RegistryStore;
class WindowMessages;
class Screen;
class Dialogs;
class Shell;
class Shutdown;
class HelpTexts;

// The system services a page and the module reach, each behind its own small interface. The
// Windows backend (platform/win32/Win32System.h) and the headless one
// (platform/headless/HeadlessSystem.h) each own one set and hand out this view of it.
struct SystemServices {
  RegistryStore& registry;
  WindowMessages& messages;
  Screen& screen;
  Dialogs& dialogs;
  Shell& shell;
  Shutdown& shutdown;
  HelpTexts& help;
};

}  // namespace pelk
