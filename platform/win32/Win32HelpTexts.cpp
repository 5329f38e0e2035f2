#include "platform/win32/Win32HelpTexts.h"

#include "platform/Windows1252.h"
#include "platform/win32/HelpLibraryImport.h"

namespace pelk {

std::string Win32HelpTexts::GetHelpText(int helpId, int kind) {
  // The text belongs to another library: it is copied at once, with a bound, so a text that is
  // overlong or not terminated is cut instead of read without end.
  return Windows1252ToUtf8(::GetHelpText(helpId, kind), kMaxHelpTextBytes);
}

}  // namespace pelk
