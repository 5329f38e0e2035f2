#include "template/RegistryJump.h"

#include <string>

#include "platform/HelpTexts.h"
#include "platform/Shell.h"
#include "platform/TRegistry.h"

namespace pelk {

void JumpToRegistryKey(RegistryStore& registry, HelpTexts& help, Shell& shell, WindowHandle page,
                       int helpId) {
  {
    // Setting the one value is all the jump does with the key.
    TRegistry settings(registry, RegistryAccess::SetValue);
    settings.RootKey = RootKey::CurrentUser;
    // Whether the key opened shows in the write, which the accessor refuses without a key.
    static_cast<void>(settings.OpenKey(kRegeditSettingsKey, true));
    settings.WriteString(kRegeditLastKeyValue, help.GetHelpText(helpId, kHelpTextRegistryKey));
    settings.CloseKey();
  }
  shell.Execute(page, "", kRegeditProgram, "", "", kSwShow);
}

}  // namespace pelk
