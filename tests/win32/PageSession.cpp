#include "tests/win32/PageSession.h"

#include <gtest/gtest.h>

#include "tests/win32/RealInput.h"

#include <vector>

namespace pelk {

namespace {

struct TitleSearch {
  const std::string* title;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTitle(HWND hwnd, LPARAM context) {
  auto* search = reinterpret_cast<TitleSearch*>(context);
  char text[512] = "";
  GetWindowTextA(hwnd, text, sizeof text);
  if (IsWindowVisible(hwnd) && *search->title == text) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

struct ChildSearch {
  const std::string* text;
  HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND hwnd, LPARAM context) {
  auto* search = reinterpret_cast<ChildSearch*>(context);
  char text[512] = "";
  GetWindowTextA(hwnd, text, sizeof text);
  if (*search->text == text) {
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
  if (lstrcmpA(name, search->className) == 0 && IsWindowVisible(hwnd)) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

template <typename Fn>
Fn Export(HMODULE dll, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
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
  TitleSearch search{&title};
  EnumThreadWindows(threadId, MatchTitle, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindChildByText(HWND parent, const std::string& text) {
  ChildSearch search{&text};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
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

PageSession::PageSession(const char* library) {
  morvex_ = RegisterWindowMessageA("Morvex");
  dll_ = LoadLibraryA(library);
  if (!dll_) {
    loadError_ = GetLastError();
    return;
  }
  create_ = Export<ModulCreateFn>(dll_, "ModulCreate");
  free_ = Export<NoArgumentFn>(dll_, "ModulFree");
  changed_ = Export<NoArgumentFn>(dll_, "ModulChanged");
  saveChanges_ = Export<NoArgumentFn>(dll_, "ModulSaveChanges");
  nr_ = Export<NoArgumentFn>(dll_, "ModulNr");
  if (!create_ || !free_ || !changed_ || !saveChanges_ || !nr_) {
    ADD_FAILURE() << library << " lacks an export";
    FreeLibrary(dll_);
    dll_ = nullptr;
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
  if (!dll_)
    return -1;
  created_ = true;
  const int result = create_(arguments_.left, arguments_.top, arguments_.width, arguments_.height,
                             arguments_.osType, arguments_.language, arguments_.caption.c_str(),
                             arguments_.hint.c_str(), arguments_.validOsMask, arguments_.helpId);
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
  return dll_ ? free_() : -1;
}

int PageSession::ModulChanged() const {
  return dll_ ? changed_() : -1;
}

int PageSession::ModulSaveChanges() {
  return dll_ ? saveChanges_() : -1;
}

int PageSession::ModulNr() const {
  return dll_ ? nr_() : -1;
}

LRESULT PageSession::Command(WPARAM code, LPARAM value) {
  return SendMessageA(page_, morvex_, code, value);
}

void PageSession::UnloadLeavingThePage() {
  if (dll_)
    FreeLibrary(dll_);
  dll_ = nullptr;
}

void PageSession::Unload() {
  if (!dll_)
    return;
  if (created_ && !freed_)
    ModulFree();
  PumpFor(20);
  if (PageAlive()) {
    // Unloading the code of a live window would crash the test process; keep it loaded.
    ADD_FAILURE() << "the page's window outlived ModulFree";
    dll_ = nullptr;
    return;
  }
  FreeLibrary(dll_);
  dll_ = nullptr;
}

}  // namespace pelk
