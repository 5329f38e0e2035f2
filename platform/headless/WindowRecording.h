#pragma once
#include <set>
#include <string>
#include <vector>

#include "platform/WindowHandle.h"

namespace pelk {

class TControl;

// The windows the native build makes for a test that asks for them (HeadlessDesktop::
// RecordWindows): which are made and with what, what the library tells each, and when each goes,
// one line per call in the order of the calls, e.g. "make TPanel Panel1 0,5,5,416 hidden",
// "bounds Panel1 0,5,5,440", "show Panel1", "text CheckBox1", "destroy frmTippTemplate".
// A window goes with its parent's, as on Windows, and hears nothing after it is gone.
class WindowRecording {
 public:
  // The lines recorded since the last Take; the recording goes on from none.
  std::vector<std::string> Take();
  // The system refuses the windows of controls of these names, as when it runs out of handles.
  std::set<std::string> Refused;

  // The window of `control` inside `parent` (0 for a top-level one), with a handle never
  // handed out before; 0 when refused.
  WindowHandle Make(const TControl& control, WindowHandle parent);
  bool Exists(WindowHandle window) const;
  // Records a call that reaches the window; a call on a window that is gone reaches none.
  void Record(WindowHandle window, const std::string& line);
  // Destroys the window and those inside it.
  void Destroy(WindowHandle window, const TControl& control);

 private:
  struct Window {
    WindowHandle handle;
    WindowHandle parent;
  };

  std::vector<Window> windows_;  // those that exist
  std::vector<std::string> lines_;
  WindowHandle lastHandle_ = 0;
};

// The control's name as the recording writes it.
std::string RecordedName(const TControl& control);

}  // namespace pelk
