#include "tests/win32/PageCommands.h"

#include "tests/win32/MessageBoxAnswerer.h"
#include "tests/win32/PageLayout.h"
#include "tests/win32/PageSession.h"
#include "tests/win32/RealInput.h"

namespace pelk {

std::string InfoText(HWND page) {
  MessageBoxAnswerer answer(GetCurrentThreadId(), IDOK);
  if (!ClickAt(page, PageLayout::Centre(PageLayout(page).Info())))
    return "";
  PumpUntil([&] { return answer.Done(); }, 10000);
  answer.Join();
  return answer.Answered() ? answer.Text() : "";
}

}  // namespace pelk
