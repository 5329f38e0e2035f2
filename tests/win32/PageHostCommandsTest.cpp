// The host's side of the registered host message against the real page under Wine.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/HostProtocol.h"
#include "tests/win32/MessageBoxAnswerer.h"
#include "tests/win32/OpenPage.h"
#include "tests/win32/PageLayout.h"
#include "tests/win32/RealInput.h"

namespace pelk {
namespace {

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A plain visible window laid over the page, standing for another program's window.
class CoverWindow {
 public:
  explicit CoverWindow(HWND page) {
    const RECT rect = WindowRect(page);
    window_ = CreateWindowExA(0, "STATIC", "Pelk412 cover", WS_POPUP | WS_BORDER | SS_NOTIFY,
                              rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~CoverWindow() { DestroyWindow(window_); }
  CoverWindow(const CoverWindow&) = delete;
  CoverWindow& operator=(const CoverWindow&) = delete;

  // Shows the cover above the page; with `activate` false the page keeps the keyboard.
  void Raise(bool activate) {
    ShowWindow(window_, activate ? SW_SHOW : SW_SHOWNOACTIVATE);
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | (activate ? 0 : SWP_NOACTIVATE));
    if (activate)
      SetForegroundWindow(window_);
    UpdateWindow(window_);
  }
  HWND Window() const { return window_; }

 private:
  HWND window_ = nullptr;
};

class PageHostCommands : public OpenPage {};

TEST_F(PageHostCommands, CloseDestroysThePageAndEveryExportStaysSafe) {
  const PageLayout layout(page);
  ASSERT_TRUE(ClickAt(page, layout.CheckBoxSquare()));
  ASSERT_TRUE(PumpUntil([&] { return session.ModulChanged() == 1; }));

  EXPECT_EQ(session.Command(0, 0), 0);
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(page); }));
  EXPECT_TRUE(receiver.All().empty());
  EXPECT_EQ(session.ModulChanged(), 1);
  EXPECT_EQ(session.ModulNr(), 2);
  EXPECT_EQ(session.ModulSaveChanges(), 0) << "nothing left to save";
  EXPECT_TRUE(entries.BothShown()) << "the cleared box of a closed page must not be applied";
  EXPECT_TRUE(receiver.All().empty());
  EXPECT_EQ(session.ModulFree(), 1);
  EXPECT_EQ(session.ModulFree(), 1);
}

TEST_F(PageHostCommands, CloseDuringThePagesOwnOkBroadcast) {
  const PageLayout layout(page);
  ASSERT_TRUE(ClickAt(page, layout.CheckBoxSquare()));
  ASSERT_TRUE(PumpUntil([&] { return session.ModulChanged() == 1; }));
  receiver.AnswerWithCommand(kOkCode, page, 0, 0);

  ASSERT_TRUE(ClickAt(page, PageLayout::Centre(layout.Ok())));
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(page); }));
  EXPECT_TRUE(receiver.Answered());
  EXPECT_EQ(receiver.Count(kOkCode, 2), 1);
  EXPECT_TRUE(entries.BothHiddenKeysKept()) << "OK wrote before it broadcast";
  // Whatever the page had queued for itself must find it gone without harm.
  PumpFor(100);
  EXPECT_EQ(session.ModulChanged(), 2);
  EXPECT_EQ(session.ModulNr(), 2);
  EXPECT_EQ(session.ModulSaveChanges(), 0);
  EXPECT_EQ(receiver.All().size(), 1u);
  EXPECT_EQ(session.ModulFree(), 1);
}

TEST_F(PageHostCommands, MoveAndSizeThePage) {
  const RECT start = WindowRect(page);
  const int width = start.right - start.left;
  const int height = start.bottom - start.top;

  EXPECT_EQ(session.Command(10, 0), 0);
  EXPECT_EQ(WindowRect(page).left, 1) << "left 0 becomes 1";
  EXPECT_EQ(session.Command(11, 0), 0);
  EXPECT_EQ(WindowRect(page).top, 1) << "top 0 becomes 1";
  EXPECT_EQ(session.Command(10, 250), 0);
  RECT now = WindowRect(page);
  EXPECT_EQ(now.left, 250);
  EXPECT_EQ(now.top, 1);
  EXPECT_EQ(now.right - now.left, width);
  EXPECT_EQ(now.bottom - now.top, height);

  EXPECT_EQ(session.Command(11, 30), 0);
  EXPECT_EQ(session.Command(12, width + 100), 0);
  EXPECT_EQ(session.Command(13, height + 50), 0);
  now = WindowRect(page);
  EXPECT_EQ(now.left, 250);
  EXPECT_EQ(now.top, 30);
  EXPECT_EQ(now.right - now.left, width + 100);
  EXPECT_EQ(now.bottom - now.top, height + 50);
  RECT client{};
  GetClientRect(page, &client);
  EXPECT_EQ(client.right, 392);
  EXPECT_EQ(client.bottom, 476);

  // Codes that are no command leave the page as it is; the reply is 0 throughout.
  for (WPARAM code : {1u, 9u, 14u, 99u, 100u, 101u, 199u, 201u, kOkCode}) {
    EXPECT_EQ(session.Command(code, 5), 0) << code;
    EXPECT_TRUE(SameRect(WindowRect(page), now)) << code;
    EXPECT_TRUE(IsWindowVisible(page)) << code;
  }
  // The anchored buttons followed the wider and taller page: Info answers at its new place.
  MessageBoxAnswerer answer(GetCurrentThreadId(), IDOK);
  ASSERT_TRUE(ClickAt(page, PageLayout::Centre(PageLayout(page).Info())));
  ASSERT_TRUE(PumpUntil([&] { return answer.Done(); }, 10000));
  answer.Join();
  EXPECT_TRUE(answer.Answered());
}

TEST_F(PageHostCommands, ShowBringsThePageToTheFront) {
  const PageLayout layout(page);
  CoverWindow cover(page);
  cover.Raise(true);
  ASSERT_TRUE(PumpUntil([&] { return !WindowIsAt(page, layout.Background()); }));

  EXPECT_EQ(session.Command(kShowCode, 0), 0);
  EXPECT_TRUE(PumpUntil([&] { return WindowIsAt(page, layout.Background()); }));
  EXPECT_TRUE(IsWindowVisible(page));

  // Another window broadcasting the switch has the same effect, with any argument.
  cover.Raise(true);
  ASSERT_TRUE(PumpUntil([&] { return !WindowIsAt(page, layout.Background()); }));
  SendMessageA(HWND_BROADCAST, session.Morvex(), kShowCode, 7);
  EXPECT_TRUE(PumpUntil([&] { return WindowIsAt(page, layout.Background()); }));
  EXPECT_EQ(receiver.Count(kShowCode, 7), 1);
  EXPECT_EQ(receiver.All().size(), 1u) << "the page answers a switch with no broadcast";

  // Minimised by the user or the host, and moved by the host meanwhile: show puts it back at
  // its bounds (the new ones), in front, and it still follows the host's commands afterwards.
  const RECT start = WindowRect(page);
  for (bool moved : {false, true}) {
    ShowWindow(page, SW_MINIMIZE);
    ASSERT_TRUE(PumpUntil([&] { return IsIconic(page) != FALSE; }));
    RECT expected = start;
    if (moved) {
      EXPECT_EQ(session.Command(10, start.left + 30), 0);
      OffsetRect(&expected, 30, 0);
    }
    EXPECT_EQ(session.Command(kShowCode, 0), 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsIconic(page); })) << moved;
    const RECT shown = WindowRect(page);
    EXPECT_TRUE(SameRect(shown, expected)) << moved << ": " << shown.left << "," << shown.top;
    EXPECT_TRUE(PumpUntil([&] { return WindowIsAt(page, layout.Background()); })) << moved;
  }
  EXPECT_EQ(session.Command(11, start.top + 20), 0);
  EXPECT_EQ(WindowRect(page).top, start.top + 20);
}

TEST_F(PageHostCommands, NegativeParametersAreRefusedAndReported) {
  const RECT start = WindowRect(page);
  struct Message {
    WPARAM code;
    LPARAM value;
  };
  std::vector<Message> refused = {
      {static_cast<WPARAM>(-1), 0}, {0, -1}, {10, -5}, {12, -1}, {static_cast<WPARAM>(-10), 250}};
  // A 64-bit host's message carries 64-bit parameters: -1 sign-extended (above) or zero-extended
  // from a 32-bit variable, and a value with bits above the 32 are no non-negative 32-bit number
  // either, as the 32-bit page reads them. A 32-bit message cannot hold these.
  if (sizeof(WPARAM) == 8) {
    const auto wide = [](unsigned long long value) { return static_cast<WPARAM>(value); };
    refused.push_back({wide(0xFFFFFFFFull), 0});
    refused.push_back({wide(0x10000000Aull), 5});
    refused.push_back({10, static_cast<LPARAM>(wide(0x100000005ull))});
  }
  for (const Message& message : refused) {
    // The box opens inside the send; the helper's wait only matters when none comes.
    MessageBoxAnswerer answer(GetCurrentThreadId(), IDOK, 3000);
    EXPECT_EQ(session.Command(message.code, message.value), 0);
    answer.Join();
    EXPECT_TRUE(answer.Answered())
        << "no error box for " << static_cast<long>(message.code) << "/" << message.value;
    EXPECT_FALSE(answer.Text().empty());
    ASSERT_TRUE(IsWindow(page));
    EXPECT_TRUE(IsWindowVisible(page));
    EXPECT_TRUE(SameRect(WindowRect(page), start));
  }
  EXPECT_EQ(session.ModulChanged(), 0);
  EXPECT_TRUE(receiver.All().empty());
  EXPECT_EQ(session.ModulFree(), 1);
}

}  // namespace
}  // namespace pelk
