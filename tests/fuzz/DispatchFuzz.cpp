// libFuzzer target: the input is a script of host commands, user input, export calls and system
// faults played against one module with its real page over the headless system. Invariants
// checked after every step: nothing crashes, ModulChanged stays in 0..2 and ModulNr in 1..2, the
// two context-menu entries are never left half-written, no top-level window outlives ModulFree,
// and no registry key stays open.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "template/RegistryJump.h"
#include "template/TippActivation.h"
#include "tests/unit/TipModuleRig.h"

namespace pelk {
namespace {

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

enum class EntryState { Shown, Hidden, Other };

// A host window that may answer the page's notifications with a command of its own.
class FuzzHost : public MessageTarget {
 public:
  explicit FuzzHost(test::TipModuleRig& rig) : rig_(rig) {}
  ~FuzzHost() override { Leave(); }
  void Join() {
    if (!present_)
      rig_.system.desktop.AddTopLevel(*this);
    present_ = true;
  }
  void Leave() {
    if (present_)
      rig_.system.desktop.RemoveTopLevel(*this);
    present_ = false;
  }
  bool Present() const { return present_; }

  std::intptr_t ReceiveMessage(std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t) override {
    if (message == 0 || message != rig_.module->State().TippMessage || wParam != answerTo ||
        depth_ > 2)
      return 0;
    TFormPelk412* page = rig_.Page();
    if (page == nullptr)
      return 0;
    ++depth_;
    page->Perform(message, answerCode, answerValue);
    --depth_;
    return 0;
  }

  std::uintptr_t answerTo = 0xFFFFFFFFu;  // nothing the page sends
  std::uintptr_t answerCode = kCommandClose;
  std::intptr_t answerValue = 0;

 private:
  test::TipModuleRig& rig_;
  bool present_ = false;
  int depth_ = 0;
};

class Session {
 public:
  // The input's first choices: how the entries start, then whether registration fails.
  explicit Session(FuzzedDataProvider& input)
      : in_(input), start_(in_.ConsumeIntegralInRange(0, 2)), rig_(in_.ConsumeBool()) {
    SetEntries(start_);
    initial_ = Entries();
    host_ = std::make_unique<FuzzHost>(rig_);
    rig_.system.dialogs.WhileOpen = [this](const std::string&) { WhileBoxOpen(); };
  }

  ~Session() {
    host_.reset();
    rig_.module.reset();
    Check(rig_.system.desktop.TopLevelCount() == 0, "a window outlived the module");
    Check(rig_.system.registry.OpenKeyCount() == 0, "a registry key stayed open");
  }

  void Run() {
    for (int step = 0; step < 96 && in_.remaining_bytes() > 0; ++step) {
      Step();
      CheckInvariants();
    }
  }

 private:
  TFormPelk412* Page() { return rig_.Page(); }

  void SetEntries(int which) {
    // Shown, or hidden the way other tools hide them: some other text, or an empty one.
    auto set = [&](const ContextMenuHandler& handler) {
      const char* text = which == 0 ? handler.classId : which == 1 ? "off" : "";
      rig_.system.registry.SetValue(RootKey::ClassesRoot, handler.keyPath, "",
                                    RegistryValue::String(text));
    };
    set(kCopyToHandler);
    set(kMoveToHandler);
  }

  EntryState EntryOf(const ContextMenuHandler& handler) const {
    const auto value = rig_.system.registry.Value(RootKey::ClassesRoot, handler.keyPath, "");
    if (!value)
      return EntryState::Hidden;
    return *value == RegistryValue::String(handler.classId) ? EntryState::Shown : EntryState::Other;
  }
  std::pair<EntryState, EntryState> Entries() const {
    return {EntryOf(kCopyToHandler), EntryOf(kMoveToHandler)};
  }

  void CheckInvariants() {
    const int changed = rig_.module->ModulChanged();
    Check(changed >= 0 && changed <= 2, "ModulChanged out of 0..2");
    const int nr = rig_.module->ModulNr();
    Check(nr == 1 || nr == 2, "ModulNr out of 1..2");
    const auto entries = Entries();
    Check(entries == initial_ || entries == std::make_pair(EntryState::Shown, EntryState::Shown) ||
              entries == std::make_pair(EntryState::Hidden, EntryState::Hidden),
          "context-menu entries half-written");
    const std::size_t pages = rig_.system.desktop.TopLevelCount() - (host_->Present() ? 1u : 0u);
    Check(pages == (rig_.module->HasPage() ? 1u : 0u), "top-level windows do not match the page");
  }

  // A host that closes the page, or sends it some other command, while a box is open.
  void WhileBoxOpen() {
    if (!closeWhileBoxOpen_ || inBox_ || Page() == nullptr)
      return;
    inBox_ = true;
    Page()->Perform(rig_.module->State().TippMessage, boxCode_, 0);
    inBox_ = false;
  }

  std::intptr_t AnyParameter() {
    switch (in_.ConsumeIntegralInRange(0, 3)) {
      case 0:
        return in_.ConsumeIntegralInRange<std::intptr_t>(-2, 2000);
      case 1:
        return static_cast<std::intptr_t>(in_.ConsumeIntegral<std::int32_t>());
      case 2:
        return in_.ConsumeIntegral<std::intptr_t>();
      default:
        return 0;
    }
  }
  std::uintptr_t AnyCode() {
    static constexpr std::uintptr_t kCodes[] = {kCommandClose,    kCommandSetLeft,   kCommandSetTop,
                                                kCommandSetWidth, kCommandSetHeight, kCommandNone,
                                                kCommandShow,     kNotifyOkDone};
    if (in_.ConsumeBool())
      return kCodes[in_.ConsumeIntegralInRange<std::size_t>(0, std::size(kCodes) - 1)];
    return static_cast<std::uintptr_t>(AnyParameter());
  }
  // Null, empty, short or long host strings.
  std::string text_;
  const char* AnyString() {
    switch (in_.ConsumeIntegralInRange(0, 3)) {
      case 0:
        return nullptr;
      case 1:
        text_ = std::string(in_.ConsumeIntegralInRange<std::size_t>(0, 70000), '\xE4');
        return text_.c_str();
      default:
        text_ = in_.ConsumeRandomLengthString(40);
        return text_.c_str();
    }
  }
  TControl* AnyControl() {
    TFormPelk412* page = Page();
    if (page == nullptr)
      return nullptr;
    const int count = page->ComponentCount();
    const int index = in_.ConsumeIntegralInRange(0, count);  // count: the form itself
    if (index == count)
      return page;
    return dynamic_cast<TControl*>(page->Components(index));
  }
  void RegistryFault() {
    static const std::pair<RootKey, const char*> kKeys[] = {
        {RootKey::ClassesRoot, kCopyToHandler.keyPath},
        {RootKey::ClassesRoot, kMoveToHandler.keyPath},
        {RootKey::CurrentUser, kSettingsKey},
        {RootKey::CurrentUser, kRegeditSettingsKey}};
    const auto& key = kKeys[in_.ConsumeIntegralInRange<std::size_t>(0, std::size(kKeys) - 1)];
    if (in_.ConsumeBool())
      rig_.system.registry.DenyWriteAccess(key.first, key.second);
    else
      rig_.system.registry.RefuseValueChanges(key.first, key.second);
  }
  void SettingFault() {
    static const RegistryValue kValues[] = {RegistryValue::DWord(0),
                                            RegistryValue::DWord(1),
                                            RegistryValue::DWord(0x80000000u),
                                            RegistryValue::String("1"),
                                            {RegistryType::Binary, std::string(2, '\1')},
                                            {RegistryType::Binary, std::string(4, '\0')},
                                            {static_cast<RegistryType>(11), std::string(8, '\0')},
                                            {RegistryType::MultiString, std::string("1\0\0", 3)},
                                            {RegistryType::DWord, std::string(1, '\1')}};
    rig_.system.registry.SetValue(
        RootKey::CurrentUser, kSettingsKey, kBSControlValue,
        kValues[in_.ConsumeIntegralInRange<std::size_t>(0, std::size(kValues) - 1)]);
  }

  void Step() {
    switch (in_.ConsumeIntegralInRange(0, 19)) {
      case 0: {
        const int left = static_cast<int>(AnyParameter());
        const int top = static_cast<int>(AnyParameter());
        const int width = static_cast<int>(AnyParameter());
        const int height = static_cast<int>(AnyParameter());
        const int osType =
            in_.ConsumeBool() ? in_.ConsumeIntegralInRange(-1, 19) : in_.ConsumeIntegral<int>();
        const int language = in_.ConsumeIntegralInRange(-1, 2);
        const char* caption = AnyString();
        const std::string captionCopy = caption ? caption : "";
        const char* hint = AnyString();
        const int mask = in_.ConsumeBool() ? kXpBit : in_.ConsumeIntegral<int>();
        const int helpId = in_.ConsumeIntegral<int>();
        Check(rig_.module->ModulCreate(left, top, width, height, osType, language,
                                       caption ? captionCopy.c_str() : nullptr, hint, mask,
                                       helpId) == 0,
              "ModulCreate not 0");
        break;
      }
      case 1: {
        const int result = rig_.module->ModulFree();
        Check(result == 0 || result == 1, "ModulFree result");
        Check(!rig_.module->HasPage(), "page after ModulFree");
        Check(rig_.system.desktop.TopLevelCount() == (host_->Present() ? 1u : 0u),
              "a top-level window remains after ModulFree");
        break;
      }
      case 2: {
        const int result = rig_.module->ModulSaveChanges();
        Check(result == 0 || result == 1, "ModulSaveChanges result");
        break;
      }
      case 3:
        if (TFormPelk412* page = Page())
          page->Perform(rig_.module->State().TippMessage, AnyCode(), AnyParameter());
        break;
      case 4:
        rig_.system.desktop.Broadcast(rig_.module->State().TippMessage, AnyCode(), AnyParameter());
        break;
      case 5: {
        const auto message = in_.ConsumeIntegral<std::uint32_t>();
        if (TFormPelk412* page = Page())
          page->Perform(message, AnyCode(), AnyParameter());
        break;
      }
      case 6:
      case 7:
        if (TControl* control = AnyControl())
          control->UserClick();
        break;
      case 8:
        if (TFormPelk412* page = Page())
          page->CheckBox1->UserClick();
        break;
      case 9:
        if (TFormPelk412* page = Page())
          page->UserKeyDown(in_.ConsumeBool() ? kVkF12 : in_.ConsumeIntegralInRange(0, 255));
        break;
      case 10:
        if (TControl* control = AnyControl())
          in_.ConsumeBool() ? control->UserMouseEnter() : control->UserMouseLeave();
        break;
      case 11:
        if (TControl* control = AnyControl())
          control->UserContextMenu(in_.ConsumeIntegral<int>(), in_.ConsumeIntegral<int>());
        break;
      case 12:
        if (TFormPelk412* page = Page())
          page->Fensterwechseln1->Click();
        break;
      case 13:
        RegistryFault();
        break;
      case 14:
        SettingFault();
        break;
      case 15:
        rig_.system.dialogs.Answers.push_back(in_.ConsumeBool() ? mrYes : mrNo);
        closeWhileBoxOpen_ = in_.ConsumeBool();
        boxCode_ = AnyCode();
        break;
      case 16:
        switch (in_.ConsumeIntegralInRange(0, 4)) {
          case 0:
            rig_.system.shutdown.RefuseToken = in_.ConsumeBool();
            break;
          case 1:
            rig_.system.shutdown.RefuseAdjust = in_.ConsumeBool();
            break;
          case 2:
            rig_.system.shutdown.RefuseExit = in_.ConsumeBool();
            break;
          case 3:
            rig_.system.screen.Dpi = in_.ConsumeBool() ? 120 : in_.ConsumeIntegral<int>();
            break;
          default: {
            const int kind = in_.ConsumeIntegralInRange(1, 6);
            if (in_.ConsumeBool())
              rig_.system.help.Texts[{412, kind}] = std::nullopt;
            else
              rig_.system.help.Texts[{412, kind}] = in_.ConsumeRandomLengthString(80);
          }
        }
        break;
      case 17:
        if (in_.ConsumeBool())
          host_->Join();
        else
          host_->Leave();
        host_->answerTo = in_.ConsumeBool() ? kNotifyOkDone : kNotifySwitchWindow;
        host_->answerCode = AnyCode();
        host_->answerValue = AnyParameter();
        break;
      case 18:
        if (TFormPelk412* page = Page())
          page->NeuStart();
        break;
      default:
        if (TFormPelk412* page = Page())
          page->Sprache(in_.ConsumeIntegral<int>());
        break;
    }
  }

  FuzzedDataProvider& in_;
  const int start_;
  test::TipModuleRig rig_;
  std::unique_ptr<FuzzHost> host_;
  std::pair<EntryState, EntryState> initial_;
  bool closeWhileBoxOpen_ = false;
  bool inBox_ = false;
  std::uintptr_t boxCode_ = kCommandClose;
};

}  // namespace
}  // namespace pelk

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  pelk::Session session(input);
  session.Run();
  return 0;
}
