#pragma once
#include "platform/Shell.h"

namespace pelk {

class Win32Shell : public Shell {
 public:
  void Execute(WindowHandle parent, const std::string& verb, const std::string& file,
               const std::string& parameters, const std::string& directory,
               int showCommand) override;
  void NotifyAssociationsChanged() override;
  std::string WindowsFolder() override;
};

}  // namespace pelk
