#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/WindowMessages.h"
#include "platform/headless/CaseInsensitiveLess.h"
#include "platform/headless/WindowRecording.h"

namespace pelk {

// The desktop of the native build: registered message ids and the top-level windows a broadcast
// reaches, delivered synchronously in the order they were added.
class HeadlessDesktop : public WindowMessages {
 public:
  struct Sent {
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
  };

  // Ids from 0xC000, one per name (ignoring case) for the desktop's life; 0 while
  // FailRegistration is set.
  std::uint32_t RegisterMessage(const std::string& name) override;
  // Delivers to every window present when the broadcast starts and still present when its turn
  // comes; windows added meanwhile are not reached.
  void Broadcast(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
  void AddTopLevel(MessageTarget& window) override;
  void RemoveTopLevel(MessageTarget& window) override;

  bool FailRegistration = false;
  // Every broadcast, in order.
  std::vector<Sent> Broadcasts;
  std::size_t TopLevelCount() const { return windows_.size(); }

  // From now on the forms on this desktop get windows that record what they are told; without
  // it they get none. The recording lives as long as the desktop, which outlives its forms.
  WindowRecording& RecordWindows();
  WindowRecording* Recording() const { return recording_.get(); }

 private:
  struct Entry {
    MessageTarget* window;
    std::uint64_t serial;
  };
  bool Present(std::uint64_t serial) const;

  std::map<std::string, std::uint32_t, CaseInsensitiveLess> registered_;
  std::vector<Entry> windows_;
  std::uint64_t nextSerial_ = 1;
  std::unique_ptr<WindowRecording> recording_;
};

}  // namespace pelk
