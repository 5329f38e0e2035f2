// The harness of the page tests, checked against windows and keys of the test's own, so that
// a failing page test points at the page and not at the harness.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/HostProtocol.h"
#include "tests/win32/BroadcastReceiver.h"
#include "tests/win32/PageSession.h"
#include "tests/win32/RealInput.h"
#include "tests/win32/RegistryFixture.h"

namespace pelk {
namespace {

struct InputLog {
  std::vector<POINT> clicks;
  std::vector<WPARAM> keys;
};

LRESULT CALLBACK LoggingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* log = reinterpret_cast<InputLog*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (log && message == WM_LBUTTONUP)
    log->clicks.push_back(
        POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
  if (log && message == WM_KEYDOWN)
    log->keys.push_back(wParam);
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND MakeLoggingWindow(InputLog& log, const char* title) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = LoggingProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "PelkHarnessWindow";
  RegisterClassA(&windowClass);
  const SIZE size = WindowSizeForClient(292, 426);
  HWND window =
      CreateWindowExA(0, "PelkHarnessWindow", title, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 150,
                      50, size.cx, size.cy, nullptr, nullptr, windowClass.hInstance, nullptr);
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&log));
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return window;
}

TEST(TestHarness, RealClicksAndKeysArriveWhereTheyAreAimed) {
  InputLog log;
  HWND window = MakeLoggingWindow(log, "Pelk harness input");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(FindThreadWindow(GetCurrentThreadId(), "Pelk harness input"), window);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 292);
  EXPECT_EQ(client.bottom, 426);

  ASSERT_TRUE(ClickAt(window, POINT{34, 399}));
  ASSERT_TRUE(PumpUntil([&] { return !log.clicks.empty(); }));
  EXPECT_EQ(log.clicks[0].x, 34);
  EXPECT_EQ(log.clicks[0].y, 399);

  SetForegroundWindow(window);
  SetFocus(window);
  ASSERT_TRUE(PressKey(VK_F12));
  ASSERT_TRUE(PumpUntil([&] { return !log.keys.empty(); }));
  EXPECT_EQ(log.keys[0], static_cast<WPARAM>(VK_F12));
  MovePointerAway();
  DestroyWindow(window);
}

TEST(TestHarness, ReceiverRecordsBroadcastsAndAnswersOneWithACommand) {
  InputLog log;
  HWND target = MakeLoggingWindow(log, "Pelk harness target");
  BroadcastReceiver receiver;
  struct Target {
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
      if (message == RegisterWindowMessageA(kHostMessageName) && wParam == 0)
        SetWindowTextA(hwnd, "closed");
      return DefWindowProcA(hwnd, message, wParam, lParam);
    }
  };
  SetWindowLongPtrA(target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Target::Proc));
  receiver.AnswerWithCommand(kOkCode, target, 0, 0);
  const UINT morvex = RegisterWindowMessageA(kHostMessageName);
  SendMessageA(HWND_BROADCAST, morvex, kShowCode, 0);
  SendMessageA(HWND_BROADCAST, morvex, kOkCode, 2);
  SendMessageA(HWND_BROADCAST, morvex, kOkCode, 2);
  EXPECT_EQ(receiver.Count(kShowCode, 0), 1);
  EXPECT_EQ(receiver.Count(kOkCode, 2), 2);
  EXPECT_EQ(receiver.CountCode(kOkCode), 2);
  EXPECT_TRUE(receiver.Answered());
  char title[32] = "";
  GetWindowTextA(target, title, sizeof title);
  EXPECT_STREQ(title, "closed");
  DestroyWindow(target);
}

TEST(TestHarness, RegistryGuardPutsBackWhatItFoundAndRemovesWhatWasNew) {
  const std::string path = "Software\\PelkHarness\\Inner";
  {
    RegistryValueGuard guard(HKEY_CURRENT_USER, path, "Value");
    ASSERT_TRUE(WriteStringValue(HKEY_CURRENT_USER, path, "Value", "new"));
    EXPECT_EQ(ReadStringValue(HKEY_CURRENT_USER, path, "Value").value_or(""), "new");
  }
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\PelkHarness"));

  ASSERT_TRUE(WriteDwordValue(HKEY_CURRENT_USER, path, "", 7));
  {
    RegistryValueGuard guard(HKEY_CURRENT_USER, path, "");
    ASSERT_TRUE(WriteStringValue(HKEY_CURRENT_USER, path, "", "changed"));
    EXPECT_EQ(ValueType(HKEY_CURRENT_USER, path, ""), static_cast<DWORD>(REG_SZ));
  }
  EXPECT_EQ(ValueType(HKEY_CURRENT_USER, path, ""), static_cast<DWORD>(REG_DWORD));
  RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\PelkHarness");
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\PelkHarness"));
}

}  // namespace
}  // namespace pelk
