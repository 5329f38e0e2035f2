#pragma once
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace pelk {

// Records what would have been started (with the path as given) and how often the shell was told
// of changes.
class RecordingShell : public Shell {
 public:
  struct Execution {
    WindowHandle parent;
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    int showCommand;
  };

  void Execute(WindowHandle parent, const std::string& verb, const std::string& file,
               const std::string& parameters, const std::string& directory,
               int showCommand) override {
    Executions.push_back({parent, verb, file, parameters, directory, showCommand});
  }
  void NotifyAssociationsChanged() override { ++AssociationNotifications; }
  std::string WindowsFolder() override { return WindowsFolderPath; }

  std::vector<Execution> Executions;
  int AssociationNotifications = 0;
  std::string WindowsFolderPath = "C:\\WINDOWS";
};

}  // namespace pelk
