#include "platform/win32/Win32Shell.h"

#include "platform/win32/WindowsApi.h"

#include <shellapi.h>
#include <shlobj.h>

namespace pelk {

namespace {
const char* OrNull(const std::string& text) {
  return text.empty() ? nullptr : text.c_str();
}
}  // namespace

void Win32Shell::Execute(WindowHandle parent, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& directory,
                         int showCommand) {
  ShellExecuteA(reinterpret_cast<HWND>(parent), OrNull(verb), file.c_str(), OrNull(parameters),
                OrNull(directory), showCommand);
}

void Win32Shell::NotifyAssociationsChanged() {
  SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

}  // namespace pelk
