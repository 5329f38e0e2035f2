#include "tests/win32/MessageBoxAnswerer.h"

#include "platform/win32/WindowsApi.h"

namespace pelk {

namespace {

struct Search {
  HWND dialog = nullptr;  // the first found: the top one
  int count = 0;
};

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM context) {
  char className[32];
  GetClassNameA(hwnd, className, sizeof className);
  if (lstrcmpA(className, "#32770") == 0 && IsWindowVisible(hwnd)) {
    auto* search = reinterpret_cast<Search*>(context);
    if (search->dialog == nullptr)
      search->dialog = hwnd;
    ++search->count;
  }
  return TRUE;
}

DWORD WINAPI AnswerThread(void* context) {
  static_cast<MessageBoxAnswerer*>(context)->Work();
  return 0;
}

DWORD WINAPI WatchThread(void* context) {
  static_cast<MessageBoxWatcher*>(context)->Work();
  return 0;
}

void Wait(void*& thread) {
  if (!thread)
    return;
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  thread = nullptr;
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(unsigned long threadId, int button, unsigned long timeoutMs)
    : threadId_(threadId), button_(button), timeoutMs_(timeoutMs) {
  thread_ = CreateThread(nullptr, 0, AnswerThread, this, 0, nullptr);
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  Join();
}

void MessageBoxAnswerer::Join() {
  Wait(thread_);
}

bool MessageBoxAnswerer::Done() const {
  return !thread_ || WaitForSingleObject(thread_, 0) == WAIT_OBJECT_0;
}

void MessageBoxAnswerer::Work() {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs_) {
    Search search;
    EnumThreadWindows(threadId_, FindDialog, reinterpret_cast<LPARAM>(&search));
    if (search.dialog) {
      char text[2048] = "";
      GetDlgItemTextA(search.dialog, 0xFFFF, text, sizeof text);
      text_ = text;
      wchar_t wide[2048] = L"";
      GetDlgItemTextW(search.dialog, 0xFFFF, wide, 2048);
      wideText_ = wide;
      char caption[256] = "";
      GetWindowTextA(search.dialog, caption, sizeof caption);
      caption_ = caption;
      HWND button = GetDlgItem(search.dialog, button_);
      if (button) {
        SendMessageA(button, BM_CLICK, 0, 0);
        answered_ = true;
      }
      return;
    }
    Sleep(20);
  }
}

MessageBoxWatcher::MessageBoxWatcher(unsigned long threadId, unsigned long quietMs)
    : threadId_(threadId), quietMs_(quietMs) {
  thread_ = CreateThread(nullptr, 0, WatchThread, this, 0, nullptr);
}

MessageBoxWatcher::~MessageBoxWatcher() {
  Join();
}

bool MessageBoxWatcher::Done() const {
  return !thread_ || WaitForSingleObject(thread_, 0) == WAIT_OBJECT_0;
}

void MessageBoxWatcher::Join() {
  Wait(thread_);
}

void MessageBoxWatcher::Work() {
  DWORD lastSeen = GetTickCount();
  while (GetTickCount() - lastSeen < quietMs_) {
    Search search;
    EnumThreadWindows(threadId_, FindDialog, reinterpret_cast<LPARAM>(&search));
    if (search.count > mostOpen_)
      mostOpen_ = search.count;
    if (search.dialog) {
      // The newest box lies on top; OK ends its modal loop.
      if (HWND ok = GetDlgItem(search.dialog, IDOK)) {
        SendMessageA(ok, BM_CLICK, 0, 0);
        ++answered_;
      }
      lastSeen = GetTickCount();
    }
    Sleep(20);
  }
}

}  // namespace pelk
