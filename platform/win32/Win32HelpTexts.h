#pragma once
#include "platform/HelpTexts.h"

namespace pelk {

// GetHelpText imported from MvxHelp.dll.
class Win32HelpTexts : public HelpTexts {
 public:
  std::string GetHelpText(int helpId, int kind) override;
};

}  // namespace pelk
