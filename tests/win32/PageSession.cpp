#include "tests/win32/PageSession.h"

#include <gtest/gtest.h>

#include "tests/win32/RealInput.h"

#include <vector>

namespace pelk {

namespace {

// Compared in UTF-16, so that a text reads the same on any code page.
struct TextSearch {
  std::wstring text;
  bool visibleOnly;
  HWND found = nullptr;
};

BOOL CALLBACK MatchText(HWND hwnd, LPARAM context) {
  auto* search = reinterpret_cast<TextSearch*>(context);
  if ((!search->visibleOnly || IsWindowVisible(hwnd)) && WideWindowText(hwnd) == search->text) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

struct ClassSearch {
  const char* className;
  HWND found = nullptr;
};

BOOL CALLBACK MatchVisibleClass(HWND hwnd, LPARAM context) {
  auto* search = reinterpret_cast<ClassSearch*>(context);
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  // Class names compare regardless of case, as the system compares them.
  if (lstrcmpiA(name, search->className) == 0 && IsWindowVisible(hwnd)) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

SIZE WindowSizeForClient(int clientWidth, int clientHeight) {
  RECT rect{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&rect, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, FALSE, 0);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (condition())
      return true;
    if (GetTickCount() - start >= timeoutMs)
      return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void PumpFor(DWORD milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

HWND FindThreadWindow(DWORD threadId, const std::string& title) {
  TextSearch search{FromWindows1252(title), true};
  EnumThreadWindows(threadId, MatchText, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindChildByText(HWND parent, const std::string& text) {
  TextSearch search{FromWindows1252(text), false};
  EnumChildWindows(parent, MatchText, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindVisibleWindow(const char* className, DWORD threadId) {
  ClassSearch search{className};
  if (threadId != 0) {
    EnumThreadWindows(threadId, &MatchVisibleClass, reinterpret_cast<LPARAM>(&search));
  } else {
    EnumWindows(&MatchVisibleClass, reinterpret_cast<LPARAM>(&search));
  }
  return search.found;
}

HWND VisibleHint() {
  return FindVisibleWindow("PelkHint", GetCurrentThreadId());
}

HWND VisibleMemo(HWND page) {
  ClassSearch search{"Edit"};
  EnumChildWindows(page, &MatchVisibleClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

PageSession::PageSession(const char* library) : tip_(library) {
  CheckExports(library);
}

PageSession::PageSession(HMODULE loaded) : tip_(loaded) {
  CheckExports("the library");
}

void PageSession::CheckExports(const char* library) {
  if (tip_.Loaded() && !tip_.Exports().Complete()) {
    ADD_FAILURE() << library << " lacks an export";
    tip_.Unload();
  }
}

PageSession::~PageSession() {
  Unload();
  // The next test's windows must not find the pointer hovering over them.
  MovePointerAway();
}

int PageSession::Create(const PageArguments& arguments, DWORD waitMs) {
  arguments_ = arguments;
  page_ = nullptr;
  freed_ = false;
  const SIZE reference = WindowSizeForClient(292, 426);
  if (arguments_.width == 0)
    arguments_.width = reference.cx;
  if (arguments_.height == 0)
    arguments_.height = reference.cy;
  if (!Loaded())
    return -1;
  created_ = true;
  const int result = tip_.Exports().ModulCreate(
      arguments_.left, arguments_.top, arguments_.width, arguments_.height, arguments_.osType,
      arguments_.language, arguments_.caption.c_str(), arguments_.hint.c_str(),
      arguments_.validOsMask, arguments_.helpId);
  const DWORD thread = GetCurrentThreadId();
  PumpUntil([&] { return (page_ = FindThreadWindow(thread, arguments_.caption)) != nullptr; },
            waitMs);
  if (page_) {
    // Let the page paint and reach the screen before any real input is aimed at it.
    UpdateWindow(page_);
    PumpFor(50);
  }
  return result;
}

int PageSession::ModulFree() {
  freed_ = true;
  return Loaded() ? tip_.Exports().ModulFree() : -1;
}

int PageSession::ModulChanged() const {
  return Loaded() ? tip_.Exports().ModulChanged() : -1;
}

int PageSession::ModulSaveChanges() {
  return Loaded() ? tip_.Exports().ModulSaveChanges() : -1;
}

int PageSession::ModulNr() const {
  return Loaded() ? tip_.Exports().ModulNr() : -1;
}

LRESULT PageSession::Command(WPARAM code, LPARAM value) {
  return SendMessageA(page_, morvex_, code, value);
}

std::wstring WideWindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
  return text;
}

std::wstring FromWindows1252(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<std::size_t>(MultiByteToWideChar(1252, 0, text.data(),
                                                           static_cast<int>(text.size()), &wide[0],
                                                           static_cast<int>(wide.size()))));
  return wide;
}

void PageSession::UnloadLeavingThePage() {
  tip_.Unload();
}

void PageSession::Unload() {
  if (!Loaded())
    return;
  if (created_ && !freed_)
    ModulFree();
  PumpFor(20);
  if (PageAlive()) {
    // Unloading the code of a live window would crash the test process; keep it loaded.
    ADD_FAILURE() << "the page's window outlived ModulFree";
    tip_.Abandon();
    return;
  }
  tip_.Unload();
}

}  // namespace pelk
