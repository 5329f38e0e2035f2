#pragma once
// The template page as a module builds it, over the headless system: the host message registered
// as the library does at load, and a supported Windows version, so that the creation handler
// leaves every control enabled.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "platform/TRegistry.h"
#include "platform/headless/HeadlessSystem.h"
#include "template/TfrmTippTemplate.h"
#include "tests/HostProtocol.h"
#include "tests/RegistryKeys.h"

namespace pelk::test {

class TemplatePage : public ::testing::Test {
 protected:
  TemplatePage() {
    state.TippMessage =
        static_cast<std::uint16_t>(system.desktop.RegisterMessage(kHostMessageName));
    state.OsType = kOsTypeXp;
    state.ValidOsMask = kXpBit;
  }

  // A page of a class derived from the template, made as ModulCreate makes one.
  template <class Page>
  std::unique_ptr<Page> Make() {
    return CreateForm<Page>(system.Services(), state);
  }
  // The template's own page in `page`, which a destroy request of the page's lets go.
  void Create() {
    page = Make<TfrmTippTemplate>();
    page->SetDestroyRequest([this] { TForm::Release(std::move(page)); });
  }
  // ... shown as ModulCreate shows it: bounds, help id, show, language.
  void CreateShown() {
    Create();
    page->SetBounds(100, 50, 300, 460);
    page->HelpId = 412;
    page->Show();
    page->Sprache(0);
  }
  std::intptr_t Command(std::uintptr_t code, std::intptr_t value) {
    return page->Perform(state.TippMessage, code, value);
  }

  struct Bounds {
    int left, top, width, height;
    bool visible;
    bool operator==(const Bounds& o) const {
      return left == o.left && top == o.top && width == o.width && height == o.height &&
             visible == o.visible;
    }
  };
  Bounds Now() const {
    return {page->Left(), page->Top(), page->Width(), page->Height(), page->Visible()};
  }

  void SetBSControl(const RegistryValue& value) {
    system.registry.SetValue(RootKey::CurrentUser, kSettingsKey, "BSControl", value);
  }
  void RemoveBSControl() {
    TRegistry registry(system.registry);
    ASSERT_TRUE(registry.OpenKey(kSettingsKey, true));
    registry.DeleteValue("BSControl");
  }

  HeadlessSystem system;
  ModuleState state;
  std::unique_ptr<TfrmTippTemplate> page;
};

}  // namespace pelk::test
