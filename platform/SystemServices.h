#pragma once

namespace pelk {

class RegistryStore;
class WindowMessages;
class Screen;
class Dialogs;
class Shell;
class Shutdown;
class HelpTexts;

// The system services a page and the module reach, each behind its own small interface. Each
// backend's System (platform/System.h) owns one set and hands out this view of it.
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
