// The real template page in real windows: pixels on the screen, the real mouse pointer and
// keyboard, a real message box for an error, and pages that destroy themselves from a click.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/gui/TPanel.h"
#include "platform/win32/Win32System.h"
#include "template/TfrmTippTemplate.h"
#include "tests/HostProtocol.h"
#include "tests/win32/MessageBoxAnswerer.h"
#include "tests/win32/PageSession.h"
#include "tests/win32/RealInput.h"
#include "tests/win32/ScreenPicture.h"

namespace pelk {
namespace {

std::uint32_t Rgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(RGB(r, g, b));
}

// TBitmap keeps 0x00RRGGBB, the screen answers 0x00BBGGRR.
std::uint32_t FromBitmap(std::uint32_t rgb) {
  return Rgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

class TWatchedPage : public TfrmTippTemplate {
 public:
  using TfrmTippTemplate::TfrmTippTemplate;
  int switches = 0;
  int shows = 0;
  std::function<void()> onOk;
  bool refuseNextBounds = false;
  void SetBounds(int left, int top, int width, int height) override {
    if (std::exchange(refuseNextBounds, false))
      throw std::range_error("Bounds refused");
    TfrmTippTemplate::SetBounds(left, top, width, height);
  }
  void Fensterwechseln1Click(TComponent*) override { ++switches; }
  void FormShow(TComponent*) override { ++shows; }
  void HotSpeedButtonOKClick(TComponent*) override {
    if (onOk)
      onOk();
  }
  void HotSpeedButtonInfoClick(TComponent*) override { throw std::range_error("Range check"); }
  void WndProc(TMessage& message) override {
    TfrmTippTemplate::WndProc(message);
    if (message.Msg == WM_APP + 1) {
      Close();
      RequestDestroy();
    }
  }
};

class TemplatePageWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    // A supported Windows version, so the creation handler leaves every button enabled.
    state.OsType = kOsTypeNt;
    state.ValidOsMask = kNtBit;
    page = CreateForm<TWatchedPage>(system.Services(), state);
    page->Show();
    PumpFor(150);
    hwnd = reinterpret_cast<HWND>(page->Handle());
    ASSERT_NE(hwnd, nullptr);
  }
  COLORREF ClientPixel(int x, int y) { return ScreenPixel(hwnd, POINT{x, y}); }

  Win32System system;
  ModuleState state;
  std::unique_ptr<TWatchedPage> page;
  HWND hwnd = nullptr;
};

TEST_F(TemplatePageWindow, ShowsTheFrameTitleAndTilesAtTheirPlaces) {
  RECT client;
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 292);
  EXPECT_EQ(client.bottom, 426);
  RECT window;
  GetWindowRect(hwnd, &window);
  EXPECT_EQ(window.right - window.left, page->Width());
  EXPECT_EQ(window.left, 301);
  const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_EQ(page->shows, 1);

  const std::uint32_t frame = Rgb(140, 170, 230);
  for (int along : {0, 2, 4}) {
    for (int at : {3, 60, 210, 288}) {
      EXPECT_EQ(ClientPixel(at, along), frame) << "top " << at;
      EXPECT_EQ(ClientPixel(at, 425 - along), frame) << "bottom " << at;
    }
    for (int at : {3, 100, 300, 422}) {
      EXPECT_EQ(ClientPixel(along, at), frame) << "left " << at;
      EXPECT_EQ(ClientPixel(291 - along, at), frame) << "right " << at;
    }
  }
  EXPECT_EQ(ClientPixel(5, 200), Rgb(255, 255, 255));
  EXPECT_EQ(ClientPixel(150, 260), Rgb(255, 255, 255));
  EXPECT_EQ(ClientPixel(150, 399), Rgb(255, 255, 255));  // between the tile pairs
  EXPECT_EQ(ClientPixel(100, 80), Rgb(237, 242, 252));   // inside the help memo

  // The title: bold Tahoma in the page's blue, drawn above the memo's box.
  HWND title = reinterpret_cast<HWND>(page->StaticTextTitle->Handle());
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(title, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(font.lfHeight, -12);
  EXPECT_STREQ(font.lfFaceName, "Tahoma");
  int blue = 0;
  for (int y = 8; y < 32; ++y) {
    for (int x = 16; x < 140; ++x)
      blue += ClientPixel(x, y) == Rgb(1, 72, 178) ? 1 : 0;
  }
  EXPECT_GT(blue, 60);

  // Each tile shows its normal image, glyph centred in the 36-pixel button.
  const int lefts[] = {16, 56, 200, 240};
  for (int i = 0; i < 4; ++i) {
    TBitmap image;
    page->ImageList1->GetBitmap(2 * i, image);
    ASSERT_FALSE(image.Empty());
    for (int k : {4, 15, 27}) {
      EXPECT_EQ(ClientPixel(lefts[i] + 2 + k, 381 + 2 + k), FromBitmap(image.Pixel(k, k)))
          << "tile " << i << " at " << k;
    }
  }
  EXPECT_TRUE(SaveScreenPicture("..\\template-page.png", hwnd));
}

TEST_F(TemplatePageWindow, TheRealPointerSwapsATileToItsHotImageAndBack) {
  THotSpeedButton* button = page->HotSpeedButtonInfo;
  TBitmap normal;
  TBitmap hot;
  page->ImageList1->GetBitmap(4, normal);
  page->ImageList1->GetBitmap(5, hot);
  MovePointerTo(hwnd, POINT{150, 250});
  PumpFor(100);
  MovePointerTo(hwnd, POINT{218, 399});
  PumpFor(200);
  EXPECT_TRUE(button->MouseInControl());
  EXPECT_EQ(button->Glyph(), hot);
  EXPECT_EQ(button->Cursor(), crHandPoint);
  EXPECT_EQ(ClientPixel(200 + 2 + 15, 383 + 15), FromBitmap(hot.Pixel(15, 15)));
  MovePointerTo(hwnd, POINT{150, 250});
  PumpFor(200);
  EXPECT_FALSE(button->MouseInControl());
  EXPECT_EQ(button->Glyph(), normal);
  EXPECT_EQ(ClientPixel(200 + 2 + 15, 383 + 15), FromBitmap(normal.Pixel(15, 15)));
}

TEST_F(TemplatePageWindow, F12ReachesTheMenuHandlerFromThePageAndFromAChild) {
  SetForegroundWindow(hwnd);
  SetFocus(hwnd);
  PumpFor(50);
  PressKey(VK_F12);
  PumpFor(100);
  EXPECT_EQ(page->switches, 1);
  SetFocus(reinterpret_cast<HWND>(page->MemoHelpD->Handle()));
  PumpFor(50);
  PressKey(VK_F12);
  PumpFor(100);
  EXPECT_EQ(page->switches, 2);
  PressKey(VK_F11);
  PumpFor(50);
  EXPECT_EQ(page->switches, 2);
}

TEST_F(TemplatePageWindow, AnErrorInAClickHandlerIsShownInAMessageBoxAndThePageGoesOn) {
  MessageBoxAnswerer answerer(GetCurrentThreadId(), IDOK);
  ClickAt(hwnd, POINT{218, 399});
  PumpFor(300);
  answerer.Join();
  EXPECT_TRUE(answerer.Answered());
  EXPECT_EQ(answerer.Text(), "Range check");
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_TRUE(IsWindowVisible(hwnd));
}

TEST_F(TemplatePageWindow, AFailureWhileTheFormTakesItsWindowsBoundsLeavesItFollowingTheWindow) {
  // Another program moves the page, and taking the new bounds fails: the error is reported, and
  // what others do to the window afterwards still reaches the form.
  RECT start;
  GetWindowRect(hwnd, &start);
  page->refuseNextBounds = true;
  {
    MessageBoxAnswerer answerer(GetCurrentThreadId(), IDOK);
    SetWindowPos(hwnd, nullptr, start.left + 7, start.top + 5, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    answerer.Join();
    EXPECT_EQ(answerer.Text(), "Bounds refused");
  }
  EXPECT_EQ(page->Left(), start.left);
  SetWindowPos(hwnd, nullptr, start.left + 11, start.top + 9, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(page->Left(), start.left + 11);
  EXPECT_EQ(page->Top(), start.top + 9);
  ShowWindow(hwnd, SW_HIDE);
  EXPECT_FALSE(page->Visible());
}

TEST_F(TemplatePageWindow, APageDestroyedFromItsButtonOrItsWindowProcedureIsLeftAlone) {
  page->onOk = [this] { page.reset(); };
  ClickAt(hwnd, POINT{34, 399});
  PumpFor(200);
  EXPECT_EQ(page, nullptr);
  EXPECT_FALSE(IsWindow(hwnd));

  page = CreateForm<TWatchedPage>(system.Services(), state);
  page->SetDestroyRequest([this] { page.reset(); });
  page->Show();
  PumpFor(50);
  HWND second = reinterpret_cast<HWND>(page->Handle());
  EXPECT_EQ(SendMessageA(second, WM_APP + 1, 0, 0), 0);
  EXPECT_EQ(page, nullptr);
  EXPECT_FALSE(IsWindow(second));
  // The classes outlive their last window: they are the system's, for the next page. Another
  // system made and ended meanwhile leaves them to the one that registered them.
  { Win32System another; }
  WNDCLASSA info;
  EXPECT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "PelkSpeedButton", &info));
}

constexpr char kHintClass[] = "PelkHint";

TEST_F(TemplatePageWindow, AButtonsHintShowsUnderThePointerAndGoesWhenItLeaves) {
  page->HotSpeedButtonOK->SetHint("Changes will be saved immediately");
  page->HotSpeedButtonUndo->SetHint("Restore defaults");
  page->HotSpeedButtonUndo->SetShowHint(false);
  MovePointerTo(hwnd, POINT{150, 250});
  PumpFor(100);
  MovePointerTo(hwnd, POINT{34, 399});
  HWND tip = nullptr;
  PumpUntil([&] { return (tip = VisibleHint()) != nullptr; }, 2000);
  ASSERT_NE(tip, nullptr);
  char text[128] = {};
  GetWindowTextA(tip, text, sizeof text);
  EXPECT_STREQ(text, "Changes will be saved immediately");
  // Below the pointer, on the screen, owned by the page and not taking the focus from it.
  RECT rect;
  GetWindowRect(tip, &rect);
  MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_GE(rect.top, 399);
  EXPECT_LE(rect.left, 34);
  EXPECT_GT(rect.right - rect.left, 40);
  EXPECT_EQ(GetWindow(tip, GW_OWNER), hwnd);
  EXPECT_NE(GetForegroundWindow(), tip);
  // Leaving the button takes it away (Wine tells of the leave within its hover time); so does a
  // click (a middle one: it runs nothing).
  MovePointerTo(hwnd, POINT{150, 250});
  PumpUntil([] { return VisibleHint() == nullptr; }, 2000);
  EXPECT_EQ(VisibleHint(), nullptr);
  MovePointerTo(hwnd, POINT{34, 399});
  PumpUntil([] { return VisibleHint() != nullptr; }, 2000);
  ASSERT_NE(VisibleHint(), nullptr);
  MiddleClickAt(hwnd, POINT{34, 399});
  PumpFor(50);
  EXPECT_EQ(VisibleHint(), nullptr);
  // It stays away while the pointer rests there after the click.
  PumpFor(700);
  EXPECT_EQ(VisibleHint(), nullptr);

  // A control whose hints are off shows none.
  MovePointerTo(hwnd, POINT{150, 250});
  PumpFor(300);
  MovePointerTo(hwnd, POINT{74, 399});
  tip = nullptr;
  for (int i = 0; i < 30; ++i) {
    PumpFor(50);
    if (HWND shown = VisibleHint())
      tip = shown;
    if (tip != nullptr) {
      GetWindowTextA(tip, text, sizeof text);
      EXPECT_STRNE(text, "Restore defaults");
    }
  }
}

TEST_F(TemplatePageWindow, ARightClickOnAChildOpensThePagesMenuAndItsEntryRuns) {
  MenuPicker picker;
  RightClickAt(hwnd, POINT{100, 80});  // over the help memo
  PumpUntil([&] { return page->switches != 0; }, 3000);
  picker.Join();
  EXPECT_TRUE(picker.Seen());
  EXPECT_EQ(picker.Entry(), "Fenster wechseln\tF12");
  EXPECT_EQ(page->switches, 1);
  EXPECT_EQ(page->PopupMenu1->PopupCount(), 1);
}

struct OwnedTips {
  HWND owner = nullptr;
  std::vector<HWND> tips;

  static BOOL CALLBACK Collect(HWND hwnd, LPARAM lParam) {
    auto* self = reinterpret_cast<OwnedTips*>(lParam);
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (std::string(name) == kHintClass && GetWindow(hwnd, GW_OWNER) == self->owner)
      self->tips.push_back(hwnd);
    return TRUE;
  }
};

std::vector<HWND> TipsOwnedBy(HWND owner) {
  OwnedTips found;
  found.owner = owner;
  EnumThreadWindows(GetCurrentThreadId(), &OwnedTips::Collect, reinterpret_cast<LPARAM>(&found));
  return found.tips;
}

std::vector<HWND> ChildrenFrontToBack(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

TEST_F(TemplatePageWindow, WindowsAreMadeOnFirstShowStackedLaterInFrontAndGoInOneCall) {
  // The bounds and caption set before the first show are the real window's. (That no window
  // is made before it, and that none is moved afterwards, the native window recording shows.)
  auto hidden = CreateForm<TWatchedPage>(system.Services(), state);
  hidden->SetBounds(40, 30, 320, 470);
  hidden->SetCaption("Gezeigt");
  hidden->Show();
  PumpFor(50);
  HWND shown = reinterpret_cast<HWND>(hidden->Handle());
  ASSERT_NE(shown, nullptr);
  RECT rect;
  GetWindowRect(shown, &rect);
  EXPECT_EQ(rect.left, 40);
  EXPECT_EQ(rect.bottom - rect.top, 470);
  char caption[32] = {};
  GetWindowTextA(shown, caption, sizeof caption);
  EXPECT_STREQ(caption, "Gezeigt");

  // Later controls lie in front of earlier ones.
  std::vector<HWND> expected;
  for (int i = hidden->ControlCount() - 1; i >= 0; --i)
    expected.push_back(reinterpret_cast<HWND>(hidden->Controls(i)->Handle()));
  EXPECT_EQ(ChildrenFrontToBack(shown), expected);
  // One added to the shown page goes in front of all.
  auto* added = new TPanel(hidden.get());
  added->SetBounds(10, 10, 20, 20);
  added->SetParent(hidden.get());
  ASSERT_NE(added->Handle(), 0);
  EXPECT_EQ(GetWindow(shown, GW_CHILD), reinterpret_cast<HWND>(added->Handle()));
  // A control moved back among its siblings still stands behind the later ones.
  HWND memo = reinterpret_cast<HWND>(hidden->MemoHelpD->Handle());
  hidden->MemoHelpD->SetParent(nullptr);
  EXPECT_FALSE(IsWindow(memo));
  hidden->MemoHelpD->SetParent(hidden.get());
  EXPECT_EQ(GetWindow(shown, GW_CHILD), reinterpret_cast<HWND>(hidden->MemoHelpD->Handle()));

  // Freeing the page takes every window of it.
  std::vector<HWND> windows = ChildrenFrontToBack(shown);
  hidden.reset();
  EXPECT_FALSE(IsWindow(shown));
  for (HWND child : windows)
    EXPECT_FALSE(IsWindow(child));
}

// Puts the system's window metrics back however the test ends.
struct MetricsRestorer {
  NONCLIENTMETRICSA saved{};
  MetricsRestorer() {
    saved.cbSize = sizeof saved;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof saved, &saved, 0);
  }
  ~MetricsRestorer() { SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof saved, &saved, 0); }
};

TEST_F(TemplatePageWindow, AChangeOfTheSystemsWindowMetricsIsMeasuredAgain) {
  const int clientHeight = page->ClientHeight();
  const int okTop = page->HotSpeedButtonOK->Top();
  {
    MetricsRestorer restorer;
    NONCLIENTMETRICSA taller = restorer.saved;
    taller.iCaptionHeight += 10;
    ASSERT_TRUE(SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof taller, &taller, 0));
    SendMessageA(hwnd, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    // The window keeps its size; its client area, and the buttons anchored to its bottom, lose
    // the caption's extra height.
    EXPECT_EQ(page->ClientHeight(), clientHeight - 10);
    EXPECT_EQ(page->HotSpeedButtonOK->Top(), okTop - 10);
  }
  SendMessageA(hwnd, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
  EXPECT_EQ(page->ClientHeight(), clientHeight);
  EXPECT_EQ(page->HotSpeedButtonOK->Top(), okTop);
}

TEST_F(TemplatePageWindow, ReadWindowsSitAtTheirControlsBoundsAndOneHintWindowServesThemAll) {
  RECT frame;
  GetWindowRect(hwnd, &frame);
  EXPECT_EQ(frame.left, page->Left());
  EXPECT_EQ(frame.top, page->Top());
  EXPECT_EQ(frame.right - frame.left, page->Width());
  EXPECT_EQ(frame.bottom - frame.top, page->Height());
  int windows = 0;
  for (int i = 0; i < page->ComponentCount(); ++i) {
    auto* control = dynamic_cast<TControl*>(page->Components(i));
    if (control == nullptr)
      continue;
    SCOPED_TRACE(control->Name());
    auto child = reinterpret_cast<HWND>(control->Handle());
    ASSERT_NE(child, nullptr);
    ++windows;
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, control->Left());
    EXPECT_EQ(rect.top, control->Top());
    EXPECT_EQ(rect.right - rect.left, control->Width());
    EXPECT_EQ(rect.bottom - rect.top, control->Height());
    EXPECT_EQ(IsWindowVisible(child) != FALSE, control->Showing());
  }
  EXPECT_EQ(windows, 11);

  // No hint window until a hint is due; then one serves every control. The first hover still
  // notices the pointer leave.
  EXPECT_TRUE(TipsOwnedBy(hwnd).empty());
  page->HotSpeedButtonInfo->SetHint("Info");
  page->HotSpeedButtonRegistry->SetHint("Registry");
  MovePointerTo(hwnd, POINT{218, 390});
  PumpFor(100);
  MovePointerTo(hwnd, POINT{218, 399});
  PumpFor(700);
  MovePointerTo(hwnd, POINT{258, 399});
  PumpFor(700);
  const std::vector<HWND> tips = TipsOwnedBy(hwnd);
  ASSERT_EQ(tips.size(), 1u);
  char text[32] = {};
  GetWindowTextA(tips.front(), text, sizeof text);
  EXPECT_STREQ(text, "Registry");
  MovePointerTo(hwnd, POINT{218, 399});
  PumpFor(100);
  EXPECT_TRUE(page->HotSpeedButtonInfo->MouseInControl());
  MovePointerTo(hwnd, POINT{150, 250});
  PumpUntil([&] { return !page->HotSpeedButtonInfo->MouseInControl(); }, 2000);
  EXPECT_FALSE(page->HotSpeedButtonInfo->MouseInControl());
  EXPECT_FALSE(IsWindowVisible(tips.front()));
}

}  // namespace
}  // namespace pelk
