#pragma once
// The whole module over its own headless system, as the exports run it: the exports' Module with
// the real page factory and both context-menu entries shown. A member of a test, or with
// ::testing::Test a fixture base.
#include <cstdint>
#include <memory>
#include <optional>

#include "module/exports/Module.h"
#include "module/exports/PageBinding.h"
#include "platform/headless/HeadlessSystem.h"
#include "template/HostCommand.h"
#include "tests/HostProtocol.h"
#include "tip/ContextMenuSwitch.h"
#include "tip/TFormPelk412.h"

namespace pelk::test {

struct TipModuleRig {
  // Without a registered message id when `failRegistration`: the module then registers none.
  explicit TipModuleRig(bool failRegistration = false) {
    system.desktop.FailRegistration = failRegistration;
    module = std::make_unique<Module>(services, PageFactoryFor<TFormPelk412>());
    ShowEntries(true, true);
  }

  // Shown holds the handler's class id; hidden another text, as some tools leave it.
  void ShowEntries(bool copyTo, bool moveTo) {
    system.registry.SetValue(RootKey::ClassesRoot, kCopyToHandler.keyPath, "",
                             RegistryValue::String(copyTo ? kCopyToHandler.classId : "off"));
    system.registry.SetValue(RootKey::ClassesRoot, kMoveToHandler.keyPath, "",
                             RegistryValue::String(moveTo ? kMoveToHandler.classId : "off"));
  }

  int Create(int osType = kOsTypeXp, int mask = kXpBit, int language = 0,
             const char* caption = "Kontextmen\xFC", const char* hint = "Hinweis") {
    return module->ModulCreate(100, 100, 300, 460, osType, language, caption, hint, mask, 412);
  }
  TFormPelk412* Page() {
    auto* page = dynamic_cast<PageBinding<TFormPelk412>*>(module->Page());
    return page ? &page->Form() : nullptr;
  }
  // The host's command to the page.
  std::intptr_t Command(std::uintptr_t code, std::intptr_t value) {
    return Page()->Perform(module->State().TippMessage, code, value);
  }

  // The entry's default value: the class id while it is shown.
  std::optional<RegistryValue> Entry(const ContextMenuHandler& handler) const {
    return system.registry.Value(RootKey::ClassesRoot, handler.keyPath, "");
  }
  bool Shown(const ContextMenuHandler& handler) const {
    return Entry(handler) == RegistryValue::String(handler.classId);
  }
  bool EntriesShown() const { return Shown(kCopyToHandler) && Shown(kMoveToHandler); }
  bool EntriesHidden() const { return !Entry(kCopyToHandler) && !Entry(kMoveToHandler); }

  HeadlessSystem system;
  SystemServices services = system.Services();
  std::unique_ptr<Module> module;
};

// A host window that answers one notification of the page with the close command.
class ClosingHost : public MessageTarget {
 public:
  ClosingHost(TipModuleRig& rig, std::uintptr_t closeOn) : rig_(rig), closeOn_(closeOn) {
    rig.system.desktop.AddTopLevel(*this);
  }
  ~ClosingHost() override { rig_.system.desktop.RemoveTopLevel(*this); }
  ClosingHost(const ClosingHost&) = delete;
  ClosingHost& operator=(const ClosingHost&) = delete;

  std::intptr_t ReceiveMessage(std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t) override {
    if (message == rig_.module->State().TippMessage && wParam == closeOn_ && rig_.Page()) {
      ++closed;
      rig_.Page()->Perform(message, kCommandClose, 0);
    }
    return 0;
  }
  int closed = 0;

 private:
  TipModuleRig& rig_;
  std::uintptr_t closeOn_;
};

}  // namespace pelk::test
