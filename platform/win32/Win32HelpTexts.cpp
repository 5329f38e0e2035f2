#include "platform/win32/Win32HelpTexts.h"

#include "collection/MvxHelp/MvxHelp.h"

namespace pelk {

std::string Win32HelpTexts::GetHelpText(int helpId, int kind) {
  const char* text = ::GetHelpText(helpId, kind);
  return text ? std::string(text) : std::string();
}

}  // namespace pelk
