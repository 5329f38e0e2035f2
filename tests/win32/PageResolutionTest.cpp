// The page on a screen of 120 pixels per inch, in a host process started after the setting.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/HostProtocol.h"
#include "tests/win32/ChildProcess.h"
#include "tests/win32/PageSession.h"
#include "tests/win32/ProcessWindows.h"
#include "tests/win32/RegistryFixture.h"

namespace pelk {
namespace {

constexpr char kCaption[] = "Pelk412 at 120 dpi";

// What the test process sees of the host's windows from outside, while the host runs.
struct Watch {
  DWORD hostProcess = 0;
  std::string boxText;
  bool pageVisibleDuringBox = true;
  bool pageAppeared = false;
  RECT checkBox{};  // in the page's client coordinates
  RECT title{};     // likewise
  bool closed = false;
};

struct VisibleCount {
  DWORD process;
  HWND except;
  int count = 0;
};

BOOL CALLBACK CountVisible(HWND hwnd, LPARAM context) {
  auto* count = reinterpret_cast<VisibleCount*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  count->count += owner == count->process && hwnd != count->except && IsWindowVisible(hwnd);
  return TRUE;
}

// Visible top-level windows of the process other than `except`.
int OtherVisibleWindows(DWORD process, HWND except) {
  VisibleCount count{process, except};
  EnumWindows(CountVisible, reinterpret_cast<LPARAM>(&count));
  return count.count;
}

RECT ClientRectOf(HWND child, HWND page) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void WatchHost(void* context) {
  Watch& watch = *static_cast<Watch*>(context);
  HWND box = WaitForProcessWindow(0, "#32770", "", 15000);
  if (!box)
    return;
  GetWindowThreadProcessId(box, &watch.hostProcess);
  watch.boxText = MessageBoxText(box);
  watch.pageVisibleDuringBox = OtherVisibleWindows(watch.hostProcess, box) > 0;
  SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);

  HWND page = WaitForProcessWindow(watch.hostProcess, "", kCaption, 15000);
  if (!page)
    return;
  watch.pageAppeared = true;
  if (HWND checkBox = FindChildByText(page, "Kontextmen\xFC f\xFCr Datei-Operationen anzeigen"))
    watch.checkBox = ClientRectOf(checkBox, page);
  if (HWND title = FindChildByText(page, kCaption))
    watch.title = ClientRectOf(title, page);
  // The host's close command ends the page, and with it the host's run.
  SendMessageA(page, RegisterWindowMessageA(kHostMessageName), 0, 0);
  watch.closed = true;
}

TEST(PageResolution, At120DotsPerInchTheBigNoticeComesFirstAndThePageShrinks) {
  RegistryValueGuard dpi(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels");
  ASSERT_TRUE(WriteDwordValue(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", 120));
  const SIZE size = WindowSizeForClient(292, 426);
  const std::string bin = ExecutableFolder();
  Watch watch;
  ChildResult run =
      RunChild("\"" + bin + "\\host.exe\" --run-ms 0 --left 100 --top 50" + " --width " +
                   std::to_string(size.cx) + " --height " + std::to_string(size.cy) +
                   " --caption \"" + kCaption + "\" Pelk412.dll",
               bin, 40000, &WatchHost, &watch);
  ASSERT_TRUE(run.started);
  EXPECT_TRUE(run.finished) << run.output;
  EXPECT_EQ(watch.boxText, "Big") << run.output;
  EXPECT_FALSE(watch.pageVisibleDuringBox) << "the notice comes before the page shows";
  ASSERT_TRUE(watch.pageAppeared) << run.output;
  // Controls that keep their place shrink to four fifths: 20,154 250x17 becomes 16,123 200x14.
  EXPECT_EQ(watch.checkBox.left, 16);
  EXPECT_NEAR(watch.checkBox.top, 123, 1);
  EXPECT_EQ(watch.checkBox.right - watch.checkBox.left, 200);
  EXPECT_NEAR(watch.checkBox.bottom - watch.checkBox.top, 14, 1);
  // The title keeps its scaled height 33 * 4/5 whatever width the host then gives the page.
  EXPECT_NEAR(watch.title.bottom - watch.title.top, 26, 1);
  EXPECT_NEAR(watch.title.left, 13, 1);
  EXPECT_TRUE(watch.closed);
  EXPECT_NE(run.output.find("ModulFree: 1"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace pelk
