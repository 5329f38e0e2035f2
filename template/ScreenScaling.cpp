#include "template/ScreenScaling.h"

#include "platform/Dialogs.h"
#include "platform/Screen.h"

namespace pelk {

bool AdaptToScreenResolution(Screen& screen, Dialogs& dialogs, const ScaleByFunction& scaleBy) {
  if (screen.PixelsPerInch() == kDesignPixelsPerInch)
    return false;
  dialogs.ShowMessage(kBigScreenNotice);
  // The notice may have taken a while; scale by what the screen says now.
  const int current = screen.PixelsPerInch();
  if (current <= 0)
    return false;
  scaleBy(kDesignPixelsPerInch, current);
  return true;
}

}  // namespace pelk
