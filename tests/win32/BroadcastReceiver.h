#pragma once
#include "platform/win32/WindowsApi.h"

#include <functional>
#include <vector>

namespace pelk {

// A hidden top-level window of the test, standing for the host's window: it records every
// host message it receives (code in wParam, value in lParam), and can answer one code by
// sending a command to the page while it handles that message.
class BroadcastReceiver {
 public:
  struct Received {
    long code;
    long value;
  };

  BroadcastReceiver();
  ~BroadcastReceiver();
  BroadcastReceiver(const BroadcastReceiver&) = delete;
  BroadcastReceiver& operator=(const BroadcastReceiver&) = delete;

  HWND Window() const { return window_; }
  const std::vector<Received>& All() const { return received_; }
  // How often (code, value) arrived.
  int Count(long code, long value) const;
  // How often `code` arrived, whatever its value.
  int CountCode(long code) const;
  void Clear() { received_.clear(); }

  // The first time `code` arrives, sends (command, argument) to `page` before returning.
  void AnswerWithCommand(long code, HWND page, WPARAM command, LPARAM argument);
  // The first time `code` arrives, runs `action` (a host calling an export, say) before returning.
  void AnswerWith(long code, std::function<void()> action);
  // Whether the answer was sent; the reply the page gave to it.
  bool Answered() const { return answered_; }

  // Internal: the window procedure's work.
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  UINT morvex_ = 0;
  HWND window_ = nullptr;
  std::vector<Received> received_;
  long answerCode_ = -1;
  std::function<void()> answer_;
  bool answered_ = false;
};

}  // namespace pelk
