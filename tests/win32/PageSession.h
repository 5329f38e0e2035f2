#pragma once
#include "collection/host/TipLoader.h"
#include "platform/win32/WindowsApi.h"
#include "tests/HostProtocol.h"

#include <functional>
#include <string>

namespace pelk {

// What a test host hands to ModulCreate. The defaults give a supported page (Windows XP) whose
// client area has the reference size 292 x 426; the caption should be unique per test. The
// texts are Windows-1252, as the collection's are.
struct PageArguments {
  int left = 120;
  int top = 40;
  int width = 0;   // 0: the window width for a 292-pixel client area
  int height = 0;  // 0: the window height for a 426-pixel client area
  int osType = kOsTypeXp;
  int language = 0;
  std::string caption = "Pelk412 test page";
  std::string hint = "hint";
  int validOsMask = kXpBit;
  int helpId = 412;
};

// The window size of a top-level window with a fixed single frame, caption, system menu and
// minimise box around the given client size.
SIZE WindowSizeForClient(int clientWidth, int clientHeight);

// Pumps this thread's messages until `condition` holds or `timeoutMs` has passed; true if it
// held. Checks the condition after each batch of messages, at least every 10 ms.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// Pumps for a while; only for waiting out something that has no observable end.
void PumpFor(DWORD milliseconds);

// One load of the real Pelk412.dll from the test's folder, as a host uses it: ModulCreate with
// given arguments, the page's window found by its caption among this thread's top-level
// windows, and at the end ModulFree (unless the test called it) and FreeLibrary. Each session
// starts from the module's initial state.
class PageSession {
 public:
  // Loads the tip library from the test's folder.
  explicit PageSession(const char* library = "Pelk412.dll");
  // Drives a library that someone else loaded and unloads (a simulated older system's loader):
  // Unload frees the module but leaves the library loaded.
  explicit PageSession(HMODULE loaded);
  ~PageSession();
  PageSession(const PageSession&) = delete;
  PageSession& operator=(const PageSession&) = delete;

  bool Loaded() const { return tip_.Loaded(); }
  unsigned long LoadError() const { return tip_.LoadError(); }

  // ModulCreate's result; afterwards Page() is the visible window titled arguments.caption, or
  // null when none appeared (waiting up to `waitMs` for it).
  int Create(const PageArguments& arguments, DWORD waitMs = 3000);
  HWND Page() const { return page_; }
  const PageArguments& Arguments() const { return arguments_; }
  // True while the page's window exists.
  bool PageAlive() const { return page_ && IsWindow(page_); }

  int ModulFree();
  int ModulChanged() const;
  int ModulSaveChanges();
  int ModulNr() const;

  // The registered host message.
  UINT Morvex() const { return morvex_; }
  // Sends the host's command to the page's window and returns the reply.
  LRESULT Command(WPARAM code, LPARAM value);

  // Runs when the session frees the module and unloads it.
  void Unload();
  // Unloads the library as a careless host would, with the page still open (no ModulFree).
  void UnloadLeavingThePage();
  HMODULE Library() const { return tip_.Module(); }

 private:
  void CheckExports(const char* library);

  // Registered before the library is loaded, as a host does.
  UINT morvex_ = RegisterWindowMessageA(kHostMessageName);
  TipLoader tip_;
  bool created_ = false;
  bool freed_ = false;
  HWND page_ = nullptr;
  PageArguments arguments_;
};

// The visible top-level window of the given thread whose title is exactly `title`
// (Windows-1252, as are the texts below).
HWND FindThreadWindow(DWORD threadId, const std::string& title);

// The child window of `parent` (at any depth) whose text is exactly `text`.
HWND FindChildByText(HWND parent, const std::string& text);

// A window's text as the window holds it, in UTF-16.
std::wstring WideWindowText(HWND window);
// Windows-1252 bytes (the collection's texts) as the characters they stand for.
std::wstring FromWindows1252(const std::string& text);

// The first visible top-level window of the class, of the given thread (0: of any).
HWND FindVisibleWindow(const char* className, DWORD threadId);

// The page's hint window while it shows on this thread's screen, or null.
HWND VisibleHint();

// The page's help text that shows, the one of the page's language (a visible Edit child).
HWND VisibleMemo(HWND page);

}  // namespace pelk
