#include "tests/win32/BroadcastReceiver.h"

#include "tests/HostProtocol.h"

namespace pelk {

namespace {

constexpr char kClassName[] = "PelkTestReceiver";

LRESULT CALLBACK ReceiverProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* receiver = reinterpret_cast<BroadcastReceiver*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (receiver && message >= 0xC000)
    return receiver->Handle(message, wParam, lParam);
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

void RegisterReceiverClass() {
  WNDCLASSA windowClass{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), kClassName, &windowClass))
    return;
  windowClass.lpfnWndProc = ReceiverProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);
}

}  // namespace

BroadcastReceiver::BroadcastReceiver() {
  morvex_ = RegisterWindowMessageA(kHostMessageName);
  RegisterReceiverClass();
  window_ = CreateWindowExA(0, kClassName, "Pelk412 test receiver", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                            100, nullptr, nullptr, GetModuleHandleA(nullptr), this);
}

BroadcastReceiver::~BroadcastReceiver() {
  if (window_)
    DestroyWindow(window_);
}

int BroadcastReceiver::Count(long code, long value) const {
  int count = 0;
  for (const Received& entry : received_)
    count += entry.code == code && entry.value == value;
  return count;
}

int BroadcastReceiver::CountCode(long code) const {
  int count = 0;
  for (const Received& entry : received_)
    count += entry.code == code;
  return count;
}

void BroadcastReceiver::AnswerWithCommand(long code, HWND page, WPARAM command, LPARAM argument) {
  const UINT morvex = morvex_;
  AnswerWith(code, [=] { SendMessageA(page, morvex, command, argument); });
}

void BroadcastReceiver::AnswerWith(long code, std::function<void()> action) {
  answerCode_ = code;
  answer_ = std::move(action);
  answered_ = false;
}

LRESULT BroadcastReceiver::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != morvex_)
    return DefWindowProcA(window_, message, wParam, lParam);
  const long code = static_cast<long>(wParam);
  received_.push_back({code, static_cast<long>(lParam)});
  if (!answered_ && answer_ && code == answerCode_) {
    answered_ = true;
    answer_();
  }
  return 0;
}

}  // namespace pelk
