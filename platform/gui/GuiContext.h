#pragma once

namespace pelk {

class Dialogs;
class WindowMessages;

// The services every form needs: error reports and message boxes, and the list of top-level
// windows that broadcasts reach.
struct GuiContext {
  Dialogs& dialogs;
  WindowMessages& messages;
};

}  // namespace pelk
