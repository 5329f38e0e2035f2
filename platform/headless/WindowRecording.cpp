#include "platform/headless/WindowRecording.h"

#include <algorithm>
#include <utility>

#include "platform/gui/TControl.h"

namespace pelk {

std::string RecordedName(const TControl& control) {
  return control.Name().empty() ? std::string("(unnamed)") : control.Name();
}

std::vector<std::string> WindowRecording::Take() {
  return std::exchange(lines_, {});
}

WindowHandle WindowRecording::Make(const TControl& control, WindowHandle parent) {
  std::string line = std::string(control.Class().name) + " " + RecordedName(control);
  if (Refused.count(control.Name()) != 0) {
    lines_.push_back("refuse " + line);
    return 0;
  }
  line += " " + std::to_string(control.Left()) + "," + std::to_string(control.Top()) + "," +
          std::to_string(control.Width()) + "," + std::to_string(control.Height());
  if (!control.Visible())
    line += " hidden";
  if (!control.Enabled())
    line += " disabled";
  if (!control.Caption().empty())
    line += " \"" + control.Caption() + "\"";
  lines_.push_back("make " + line);
  windows_.push_back({++lastHandle_, parent});
  return lastHandle_;
}

bool WindowRecording::Exists(WindowHandle window) const {
  return window != 0 && std::any_of(windows_.begin(), windows_.end(),
                                    [window](const Window& made) { return made.handle == window; });
}

void WindowRecording::Record(WindowHandle window, const std::string& line) {
  if (Exists(window))
    lines_.push_back(line);
}

void WindowRecording::Destroy(WindowHandle window, const TControl& control) {
  if (!Exists(window))
    return;
  lines_.push_back("destroy " + RecordedName(control));
  std::vector<WindowHandle> going{window};
  for (std::size_t i = 0; i < going.size(); ++i) {
    for (const Window& made : windows_) {
      if (made.parent == going[i])
        going.push_back(made.handle);
    }
  }
  windows_.erase(std::remove_if(windows_.begin(), windows_.end(),
                                [&going](const Window& made) {
                                  return std::find(going.begin(), going.end(), made.handle) !=
                                         going.end();
                                }),
                 windows_.end());
}

}  // namespace pelk
