#include "platform/headless/HeadlessDesktop.h"

#include <algorithm>

namespace pelk {

std::uint32_t HeadlessDesktop::RegisterMessage(const std::string& name) {
  if (FailRegistration)
    return 0;
  const auto found = registered_.find(name);
  if (found != registered_.end())
    return found->second;
  const auto id = static_cast<std::uint32_t>(0xC000 + registered_.size());
  registered_.emplace(name, id);
  return id;
}

bool HeadlessDesktop::Present(std::uint64_t serial) const {
  return std::any_of(windows_.begin(), windows_.end(),
                     [serial](const Entry& entry) { return entry.serial == serial; });
}

void HeadlessDesktop::Broadcast(std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) {
  Broadcasts.push_back({message, wParam, lParam});
  const std::vector<Entry> receivers = windows_;
  for (const Entry& entry : receivers) {
    // A receiver may remove itself or others (a page destroyed by the message it handles).
    if (Present(entry.serial))
      entry.window->ReceiveMessage(message, wParam, lParam);
  }
}

void HeadlessDesktop::AddTopLevel(MessageTarget& window) {
  windows_.push_back({&window, nextSerial_++});
}

void HeadlessDesktop::RemoveTopLevel(MessageTarget& window) {
  windows_.erase(std::remove_if(windows_.begin(), windows_.end(),
                                [&window](const Entry& entry) { return entry.window == &window; }),
                 windows_.end());
}

WindowRecording& HeadlessDesktop::RecordWindows() {
  if (!recording_)
    recording_ = std::make_unique<WindowRecording>();
  return *recording_;
}

}  // namespace pelk
