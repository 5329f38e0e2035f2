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
  std::string folder = shell.WindowsFolder();
  if (folder.empty())
    return;
  if (folder.back() != '\\')
    folder += '\\';
  shell.Execute(page, "", folder + kRegeditProgram, "", "", kSwShow);
}

}  // namespace pelk
