// The real page in a host's process, against what other programs and the system do to it: a
// host that lets the page go in the middle of the page's own work, destroys or hides its window,
// or unloads the library under it; window handles of other windows in messages; floods of bad
// commands; a window that stops answering. Freed memory is poisoned
// in the test prefix, so a late touch of a freed page crashes the test.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "collection/MvxHelp/MvxHelp.h"
#include "tests/HostProtocol.h"
#include "tests/win32/ChildProcess.h"
#include "tests/win32/MessageBoxAnswerer.h"
#include "tests/win32/OpenPage.h"
#include "tests/win32/PageLayout.h"
#include "tests/win32/RealInput.h"

namespace pelk {
namespace {

class HostilePage : public OpenPage {};

// A top-level window on a thread of its own that stops reading its messages until released, as
// a program that hangs.
class HungWindow {
 public:
  HungWindow() {
    release_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, &Run, this, 0, nullptr);
    WaitForSingleObject(ready_, 5000);
  }
  ~HungWindow() {
    SetEvent(release_);
    WaitForSingleObject(thread_, 30000);
    CloseHandle(thread_);
    CloseHandle(ready_);
    CloseHandle(release_);
  }
  HungWindow(const HungWindow&) = delete;
  HungWindow& operator=(const HungWindow&) = delete;
  HWND Window() const { return window_; }

 private:
  static DWORD WINAPI Run(void* self) {
    auto* hung = static_cast<HungWindow*>(self);
    hung->window_ = CreateWindowExA(0, "STATIC", "Pelk412 hung window", WS_POPUP, 0, 0, 10, 10,
                                    nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetEvent(hung->ready_);
    WaitForSingleObject(hung->release_, 30000);  // reads no message meanwhile
    DestroyWindow(hung->window_);
    return 0;
  }

  HANDLE release_ = nullptr;
  HANDLE ready_ = nullptr;
  HANDLE thread_ = nullptr;
  HWND window_ = nullptr;
};

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM found) {
  reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
  return TRUE;
}

// The page's window and all its children.
std::vector<HWND> PageWindows(HWND page) {
  std::vector<HWND> windows{page};
  EnumChildWindows(page, CollectChild, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::string Text(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
  return text;
}

TEST_F(HostilePage, APageLetGoInTheMiddleOfItsOwnWorkIsNeverTouchedAgain) {
  // F12 while the page itself has the keyboard: the page's window procedure broadcasts the switch
  // from its default processing, and the host closes the page before that procedure is done.
  SetForegroundWindow(page);
  SetFocus(page);
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == page; }));
  receiver.AnswerWithCommand(kShowCode, page, 0, 0);
  ASSERT_TRUE(PressKey(VK_F12));
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(page); }));
  EXPECT_TRUE(receiver.Answered());
  EXPECT_EQ(session.ModulSaveChanges(), 0) << "no page left to save";
  EXPECT_EQ(session.ModulFree(), 1);

  // The menu's "Fenster wechseln": the host frees the page from inside the broadcast, while the
  // page is still in its menu's click.
  ASSERT_TRUE(CreatePage());
  int freed = -1;
  receiver.AnswerWith(kShowCode, [&] { freed = session.ModulFree(); });
  {
    MenuPicker picker;
    ASSERT_TRUE(RightClickAt(page, PageLayout(page).Background()));
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(page); }));
    picker.Join();
    EXPECT_EQ(picker.Entry(), "Fenster wechseln\tF12");
  }
  EXPECT_EQ(freed, 1);
  PumpFor(100);  // whatever the page had queued for itself finds it gone

  // The host destroys the page's window itself: the exports stay safe, the page still applies
  // its setting, and a new page can be made afterwards.
  ASSERT_TRUE(CreatePage());
  DestroyWindow(page);
  PumpFor(50);
  EXPECT_EQ(session.ModulChanged(), 0);
  EXPECT_EQ(session.ModulSaveChanges(), 1);
  EXPECT_TRUE(entries.BothShown());
  EXPECT_EQ(session.ModulFree(), 1);
  ASSERT_EQ(session.Create(arguments), 0);
  EXPECT_NE(session.Page(), nullptr);
}

TEST_F(HostilePage, UnloadedWithItsPageOpenOrEndingWithIt) {
  // The library's window classes are registered once per load: a page freed leaves them for the
  // next one.
  const HINSTANCE library = session.Library();
  const char* const classes[] = {"PelkForm", "PelkPanel", "PelkSpeedButton", "PelkHint"};
  const auto registered = [](HINSTANCE module, const char* name) {
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    return GetClassInfoExA(module, name, &info) != FALSE;
  };
  EXPECT_EQ(session.ModulFree(), 1);
  for (const char* name : classes)
    EXPECT_TRUE(registered(library, name)) << name;
  ASSERT_EQ(session.Create(arguments), 0);
  page = session.Page();
  ASSERT_NE(page, nullptr);

  // FreeLibrary without ModulFree: the page and its windows go with the library, and so do the
  // classes; no window is left whose next message would run code that is gone.
  session.UnloadLeavingThePage();
  EXPECT_FALSE(IsWindow(page));
  for (const char* name : classes)
    EXPECT_FALSE(registered(library, name)) << name;
  PumpFor(100);

  // A second load registers them anew and makes its page with them.
  {
    PageSession again;
    ASSERT_TRUE(again.Loaded()) << again.LoadError();
    ASSERT_EQ(again.Create(arguments), 0);
    EXPECT_NE(again.Page(), nullptr);
    EXPECT_TRUE(registered(again.Library(), "PelkForm"));
    EXPECT_EQ(again.ModulFree(), 1);
  }

  // A host ending its process with the page open: the library does no window work on the way
  // out, and the process ends at once.
  const ChildResult host =
      RunChild("host.exe --leave-page --run-ms 300 Pelk412.dll", ExecutableFolder(), 20000);
  ASSERT_TRUE(host.started);
  EXPECT_TRUE(host.finished) << host.output;
  EXPECT_EQ(host.exitCode, 0u) << host.output;
  EXPECT_NE(host.output.find("ending with the page open"), std::string::npos) << host.output;
}

TEST_F(HostilePage, ForeignWindowsInMessagesAndAFloodOfBadCommands) {
  // A window of the host's own whose user data holds something else entirely, named where the
  // page and its panels expect one of their own controls: a click, a colour request, and to the
  // page a right click (on a control, that only asks for the page's menu).
  std::vector<unsigned char> junk(256, 0xEE);
  HWND foreign = CreateWindowExA(0, "STATIC", "Pelk412 foreign", WS_POPUP, 0, 0, 10, 10, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(foreign, nullptr);
  SetWindowLongPtrA(foreign, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(junk.data()));
  HDC dc = GetDC(page);
  for (HWND target : PageWindows(page)) {
    SendMessageA(target, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), reinterpret_cast<LPARAM>(foreign));
    for (UINT request : {WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORBTN})
      SendMessageA(target, request, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(foreign));
  }
  // Answered with a menu, this would open one and wait here.
  SendMessageA(page, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(foreign), MAKELPARAM(10, 10));
  ReleaseDC(page, dc);
  DestroyWindow(foreign);
  EXPECT_TRUE(IsWindowVisible(page));
  EXPECT_EQ(session.ModulChanged(), 0);
  EXPECT_TRUE(receiver.All().empty());
  EXPECT_EQ(std::vector<unsigned char>(256, 0xEE), junk);

  // Forty refused commands at once: each is a failure to report, but one report at a time,
  // never a box on top of a box.
  for (int i = 0; i < 40; ++i)
    PostMessageA(page, session.Morvex(), static_cast<WPARAM>(-1), 0);
  MessageBoxWatcher watcher(GetCurrentThreadId(), 1500);
  ASSERT_TRUE(PumpUntil([&] { return watcher.Done(); }, 60000));
  watcher.Join();
  EXPECT_GE(watcher.Answered(), 1);
  EXPECT_EQ(watcher.MostOpenAtOnce(), 1);
  EXPECT_TRUE(IsWindowVisible(page));
  EXPECT_EQ(session.ModulFree(), 1);
}

TEST_F(HostilePage, ItsStateFollowsWhatOthersDoToItsWindow) {
  // The caption and the task switcher show the tip's icon.
  EXPECT_NE(SendMessageW(page, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageW(page, WM_GETICON, ICON_SMALL, 0), 0);
  // The page's controls are flat, the check box included.
  HWND box = PageCheckBox(page, 0);
  ASSERT_NE(box, nullptr);
  EXPECT_NE(GetWindowLongA(box, GWL_STYLE) & BS_FLAT, 0);

  // The hand shows as soon as the pointer enters a button, not at its next move. The system asks
  // for the cursor (WM_SETCURSOR) before it tells of the move, so the first move onto a button
  // that the pointer left before comes while the arrow still shows. Wine's own input adds a
  // second move, so the moves are messages here, with the real pointer on the button.
  const PageLayout layout(page);
  POINT onButton = PageLayout::Centre(layout.Undo());
  HWND button = ChildWindowFromPoint(page, onButton);
  ASSERT_NE(button, page);
  ClientToScreen(page, &onButton);
  SetCursorPos(onButton.x, onButton.y);
  SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(18, 18));
  SendMessageA(button, WM_MOUSELEAVE, 0, 0);
  SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));  // IDC_ARROW
  SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(18, 18));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)));  // IDC_HAND
  MovePointerAway();

  // A window whose thread stopped reading messages does not hold the OK broadcast; the host's
  // window, on the page's thread, still has it before the call returns.
  {
    HungWindow hung;
    ASSERT_NE(hung.Window(), nullptr);
    const DWORD start = GetTickCount();
    EXPECT_EQ(session.ModulSaveChanges(), 1);
    EXPECT_LT(GetTickCount() - start, 10000u);
    EXPECT_EQ(receiver.Count(kOkCode, 2), 1);
  }

  // Hidden by the host, shown again by the show command and by another window's switch
  // broadcast: each time the show handler loads the help text again.
  const std::string helpText = GetHelpText(412, 2);
  for (bool byBroadcast : {false, true}) {
    HWND memo = VisibleMemo(page);
    ASSERT_NE(memo, nullptr);
    SetWindowTextA(memo, "overwritten");
    ShowWindow(page, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(page));
    if (byBroadcast)
      SendMessageA(HWND_BROADCAST, session.Morvex(), kShowCode, 0);
    else
      EXPECT_EQ(session.Command(kShowCode, 0), 0);
    EXPECT_TRUE(IsWindowVisible(page)) << byBroadcast;
    EXPECT_EQ(Text(memo), helpText) << byBroadcast;
  }
}

// Another program's thread that sends messages to the page's windows, one after the other, each
// waiting for the page's thread to answer (which pumps meanwhile).
class ForeignSender {
 public:
  struct Message {
    HWND window;
    UINT msg;
  };
  explicit ForeignSender(std::vector<Message> messages) : messages_(std::move(messages)) {
    thread_ = CreateThread(nullptr, 0, &Run, this, 0, nullptr);
  }
  ~ForeignSender() {
    WaitForSingleObject(thread_, 30000);
    CloseHandle(thread_);
  }
  ForeignSender(const ForeignSender&) = delete;
  ForeignSender& operator=(const ForeignSender&) = delete;
  bool Done() const { return WaitForSingleObject(thread_, 0) == WAIT_OBJECT_0; }

 private:
  static DWORD WINAPI Run(void* self) {
    for (const Message& message : static_cast<ForeignSender*>(self)->messages_) {
      DWORD_PTR answer = 0;
      SendMessageTimeoutA(message.window, message.msg, 0, 0, SMTO_NORMAL, 5000, &answer);
    }
    return 0;
  }

  std::vector<Message> messages_;
  HANDLE thread_ = nullptr;
};

TEST_F(HostilePage, AnEndOfWindowThatOthersOnlyClaimEndsNothing) {
  // The end of a window (WM_DESTROY, then WM_NCDESTROY) as other programs can claim it of the
  // page, its check box and its help text: sent from another thread, or posted. The windows live
  // on, and so must the page behind them.
  HWND box = PageCheckBox(page, 0);
  HWND memo = VisibleMemo(page);
  ASSERT_NE(box, nullptr);
  ASSERT_NE(memo, nullptr);
  const std::string helpText = Text(memo);
  {
    std::vector<ForeignSender::Message> claims;
    for (HWND window : {memo, box, page}) {
      claims.push_back({window, WM_NCDESTROY});
      claims.push_back({window, WM_DESTROY});
      claims.push_back({window, WM_NCDESTROY});
    }
    ForeignSender sender(claims);
    ASSERT_TRUE(PumpUntil([&] { return sender.Done(); }, 20000));
  }
  for (HWND window : {memo, box, page}) {
    PostMessageA(window, WM_DESTROY, 0, 0);
    PostMessageA(window, WM_NCDESTROY, 0, 0);
  }
  PumpFor(100);

  // The page still follows the host, its box counts a click, its help text shows as it was.
  ShowWindow(page, SW_HIDE);
  EXPECT_EQ(session.Command(kShowCode, 0), 0);
  EXPECT_TRUE(IsWindowVisible(page));
  EXPECT_EQ(session.Command(12, 400), 0);
  RECT frame{};
  GetWindowRect(page, &frame);
  EXPECT_EQ(frame.right - frame.left, 400);
  ASSERT_TRUE(ClickAt(page, PageLayout(page).CheckBoxSquare()));
  EXPECT_TRUE(PumpUntil([&] { return session.ModulChanged() == 1; }));
  EXPECT_FALSE(IsChecked(box));
  EXPECT_EQ(Text(memo), helpText);
  // And it goes when it is let go: every window with it.
  EXPECT_EQ(session.ModulFree(), 1);
  EXPECT_FALSE(IsWindow(page));
  EXPECT_FALSE(IsWindow(box));

  // Posted to a hidden page, from its own thread: still a claim, as its children are all there.
  ASSERT_TRUE(CreatePage());
  ShowWindow(page, SW_HIDE);
  PostMessageA(page, WM_DESTROY, 0, 0);
  PostMessageA(page, WM_NCDESTROY, 0, 0);
  PumpFor(50);
  EXPECT_EQ(session.Command(kShowCode, 0), 0);
  EXPECT_TRUE(IsWindowVisible(page));
  EXPECT_EQ(session.ModulFree(), 1);
  EXPECT_FALSE(IsWindow(page));
}

TEST_F(HostilePage, TheKeyboardFindsItsWayWithoutTheHostsHelp) {
  // The host's message loop (PumpUntil) knows nothing of the page: no IsDialogMessage.
  HWND box = PageCheckBox(page, 0);
  HWND memo = VisibleMemo(page);
  ASSERT_NE(box, nullptr);
  ASSERT_NE(memo, nullptr);
  HWND other = CreateWindowExA(0, "STATIC", "Pelk412 other program", WS_POPUP | WS_VISIBLE, 700,
                               600, 50, 50, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  auto activate = [&](HWND window) {
    SetForegroundWindow(window);
    return PumpUntil([&] { return GetForegroundWindow() == window; });
  };
  auto focus = [&](HWND window) {
    SetFocus(window);
    return PumpUntil([&] { return GetFocus() == window; });
  };

  // Activated, the page hands the keyboard to its first tab stop, the box; Space clears it.
  ASSERT_TRUE(activate(other));
  ASSERT_TRUE(activate(page));
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == box; }));
  ASSERT_TRUE(PressKey(VK_SPACE));
  EXPECT_TRUE(PumpUntil([&] { return session.ModulChanged() == 1; }));
  EXPECT_FALSE(IsChecked(box));

  // Tab and Shift+Tab walk the tab order: from the help text (no tab stop), from the page's own
  // window and from the box itself they reach the box, the page's one tab stop.
  for (WORD modifier : {WORD{0}, WORD{VK_SHIFT}}) {
    for (HWND from : {memo, page, box}) {
      ASSERT_TRUE(focus(from));
      ASSERT_TRUE(PressKey(VK_TAB, modifier));
      EXPECT_EQ(GetFocus(), box) << modifier;
    }
  }
  // Enter and Escape do nothing, wherever the keyboard is.
  for (HWND from : {box, memo, page}) {
    ASSERT_TRUE(focus(from));
    ASSERT_TRUE(PressKey(VK_RETURN));
    ASSERT_TRUE(PressKey(VK_ESCAPE));
  }
  PumpFor(50);
  EXPECT_TRUE(IsWindowVisible(page));
  EXPECT_FALSE(IsChecked(box));
  EXPECT_EQ(session.ModulChanged(), 1);
  EXPECT_TRUE(receiver.All().empty());

  // Left and activated again, the page gives the keyboard back to the control that had it.
  ASSERT_TRUE(focus(memo));
  ASSERT_TRUE(activate(other));
  ASSERT_TRUE(activate(page));
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == memo; }));
  DestroyWindow(other);
}

TEST_F(HostilePage, TheHintGoesWithItsPage) {
  // Each way the page leaves the screen or the user's attention, with the pointer resting on
  // the OK button under its hint: the hint goes at once, not at the pointer's next move.
  const PageLayout layout(page);
  auto hintShown = [&] {
    SetForegroundWindow(page);
    MovePointerTo(page, layout.Background());
    // The button hears that the pointer left it when the system next looks (its hover time).
    PumpFor(600);
    MovePointerTo(page, PageLayout::Centre(layout.Ok()));
    return PumpUntil([] { return VisibleHint() != nullptr; }, 3000);
  };
  HWND other = CreateWindowExA(0, "STATIC", "Pelk412 other program", WS_POPUP | WS_VISIBLE, 700,
                               600, 50, 50, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  const struct {
    const char* how;
    bool leavesTheScreen;
    std::function<void()> act;
  } ways[] = {
      {"hidden by the host", true, [&] { ShowWindow(page, SW_HIDE); }},
      {"Alt+F4 (as the close box)", true, [&] { PressKey(VK_F4, VK_MENU); }},
      {"minimised", true, [&] { ShowWindow(page, SW_MINIMIZE); }},
      {"another window activated", false, [&] { SetForegroundWindow(other); }},
      {"destroyed by the host", true, [&] { DestroyWindow(page); }},
      {"freed", true, [&] { session.ModulFree(); }},
  };
  for (const auto& way : ways) {
    if (!IsWindow(page)) {
      ASSERT_TRUE(CreatePage());
    }
    ASSERT_TRUE(hintShown()) << way.how;
    way.act();
    PumpFor(100);
    EXPECT_EQ(VisibleHint(), nullptr) << way.how;
    const bool onScreen = IsWindow(page) && IsWindowVisible(page) && !IsIconic(page);
    EXPECT_NE(onScreen, way.leavesTheScreen) << way.how;
    EXPECT_EQ(session.Command(kShowCode, 0), 0);
  }
  DestroyWindow(other);
}

}  // namespace
}  // namespace pelk
