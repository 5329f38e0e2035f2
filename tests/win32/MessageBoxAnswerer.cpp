#include "tests/win32/MessageBoxAnswerer.h"

#include "platform/win32/WindowsApi.h"

namespace pelk {

namespace {

struct Search {
  HWND dialog = nullptr;
};

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM context) {
  char className[32];
  GetClassNameA(hwnd, className, sizeof className);
  if (lstrcmpA(className, "#32770") == 0 && IsWindowVisible(hwnd)) {
    reinterpret_cast<Search*>(context)->dialog = hwnd;
    return FALSE;
  }
  return TRUE;
}

DWORD WINAPI AnswerThread(void* context) {
  static_cast<MessageBoxAnswerer*>(context)->Work();
  return 0;
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(unsigned long threadId, int button)
    : threadId_(threadId), button_(button) {
  thread_ = CreateThread(nullptr, 0, AnswerThread, this, 0, nullptr);
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  Join();
}

void MessageBoxAnswerer::Join() {
  if (!thread_)
    return;
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  thread_ = nullptr;
}

void MessageBoxAnswerer::Work() {
  for (int attempt = 0; attempt < 200; ++attempt) {  // up to 10 s
    Search search;
    EnumThreadWindows(threadId_, FindDialog, reinterpret_cast<LPARAM>(&search));
    if (search.dialog) {
      char text[2048] = "";
      GetDlgItemTextA(search.dialog, 0xFFFF, text, sizeof text);
      text_ = text;
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
    Sleep(50);
  }
}

}  // namespace pelk
