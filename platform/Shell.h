#pragma once
#include <string>

#include "platform/WindowHandle.h"

namespace pelk {

class Shell {
 public:
  virtual ~Shell() = default;
  // ShellExecute: starts a program or opens a document; an empty verb is the default action.
  // The outcome is the shell's; it may show its own message with the parent as owner. Texts are
  // UTF-8.
  virtual void Execute(WindowHandle parent, const std::string& verb, const std::string& file,
                       const std::string& parameters, const std::string& directory,
                       int showCommand) = 0;
  // Tells Explorer that file associations and shell extensions changed.
  virtual void NotifyAssociationsChanged() = 0;
  // The system's Windows folder (C:\WINDOWS), shared by all users, in UTF-8: the system's own
  // programs are started from there by their full path, so that no program of the same name
  // elsewhere (the host's current folder) runs instead. "" when the system does not say.
  virtual std::string WindowsFolder() = 0;
};

}  // namespace pelk
