#pragma once
#include "platform/System.h"
#include "platform/headless/FakeScreen.h"
#include "platform/headless/FakeShutdown.h"
#include "platform/headless/HeadlessDesktop.h"
#include "platform/headless/MemoryRegistryStore.h"
#include "platform/headless/RecordingShell.h"
#include "platform/headless/ScriptedDialogs.h"
#include "platform/headless/ScriptedHelpTexts.h"

namespace pelk {

// One of each in-memory service, open to the test that owns it.
struct HeadlessSystem : System {
  MemoryRegistryStore registry;
  HeadlessDesktop desktop;
  FakeScreen screen;
  ScriptedDialogs dialogs;
  RecordingShell shell;
  FakeShutdown shutdown;
  ScriptedHelpTexts help;

  SystemServices Services() override {
    return SystemServices{registry, desktop, screen, dialogs, shell, shutdown, help};
  }
};

}  // namespace pelk
