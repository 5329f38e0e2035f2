#pragma once
// Small stand-ins for the dialog and message services, and generated picture tiles, for the GUI
// library's tests.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/WindowMessages.h"
#include "platform/gui/GuiContext.h"
#include "platform/gui/TBitmap.h"

namespace pelk::test {

class RecordingDialogs : public Dialogs {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  int MessageDlg(const std::string& text, MsgDlgType, unsigned, int) override {
    messages.push_back(text);
    return answer;
  }
  std::vector<std::string> messages;
  int answer = mrOk;
};

// A desktop of top-level windows that delivers each broadcast to every window in turn.
class DesktopDouble : public WindowMessages {
 public:
  std::uint32_t RegisterMessage(const std::string&) override { return 0xC123; }
  void Broadcast(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override {
    const std::vector<MessageTarget*> receivers = windows;
    for (MessageTarget* window : receivers) {
      // A receiver may destroy another one (or itself) while handling the message.
      if (std::find(windows.begin(), windows.end(), window) == windows.end())
        continue;
      window->ReceiveMessage(message, wParam, lParam);
    }
  }
  void AddTopLevel(MessageTarget& window) override { windows.push_back(&window); }
  void RemoveTopLevel(MessageTarget& window) override {
    windows.erase(std::remove(windows.begin(), windows.end(), &window), windows.end());
  }
  std::vector<MessageTarget*> windows;
};

struct GuiServices {
  RecordingDialogs dialogs;
  DesktopDouble desktop;
  GuiContext Context() { return GuiContext{dialogs, desktop}; }
};

// A 32-by-32 tile whose pixels encode its number, so images are told apart.
inline TBitmap Tile(int number, int size = 32) {
  TBitmap tile;
  tile.SetSize(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      tile.SetPixel(x, y, static_cast<std::uint32_t>(0x100000 * (number + 1) + y * size + x));
    }
  }
  return tile;
}

}  // namespace pelk::test
