// TrackMouseEvent came with Windows 98 and NT 4. Windows 95 gets comctl32's _TrackMouseEvent
// (from the common controls of Internet Explorer 3 on), or else the library's own tracking: a
// timer that watches the pointer and posts WM_MOUSELEAVE and WM_MOUSEHOVER as the system would.
// It follows one window at a time, as the system does for a thread.
#include <cstdlib>

#include "platform/win32/SystemLibrary.h"
#include "platform/win32/imports/ImportSlot.h"

namespace pelk::imports {
namespace {

constexpr UINT kTickMs = 50;
constexpr UINT kDefaultHoverMs = 400;  // the system's default hover time
constexpr LONG kHoverSlack = 2;        // pixels the pointer may move and still rest

class PointerWatch {
 public:
  static PointerWatch& Instance() {
    static PointerWatch watch;
    return watch;
  }

  BOOL Track(const TRACKMOUSEEVENT& request) {
    if (request.dwFlags & TME_QUERY)
      return FALSE;  // not asked by the library
    if (request.dwFlags & TME_CANCEL) {
      if (request.hwndTrack == window_)
        flags_ &= ~(request.dwFlags & (TME_LEAVE | TME_HOVER));
      StopWhenIdle();
      return TRUE;
    }
    if (!IsWindow(request.hwndTrack))
      return FALSE;
    if (request.hwndTrack != window_)
      flags_ = 0;
    window_ = request.hwndTrack;
    flags_ |= request.dwFlags & (TME_LEAVE | TME_HOVER);
    if (request.dwFlags & TME_HOVER) {
      hoverMs_ = request.dwHoverTime == HOVER_DEFAULT ? kDefaultHoverMs : request.dwHoverTime;
      GetCursorPos(&restingAt_);
      restingSince_ = GetTickCount();
    }
    if (timer_ == 0)
      timer_ = SetTimer(nullptr, 0, kTickMs, &Tick);
    Look(GetTickCount());
    return TRUE;
  }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD now) { Instance().Look(now); }

  void Look(DWORD now) {
    POINT pointer{};
    GetCursorPos(&pointer);
    if (!IsWindow(window_) || WindowFromPoint(pointer) != window_) {
      if ((flags_ & TME_LEAVE) && IsWindow(window_))
        PostMessageW(window_, WM_MOUSELEAVE, 0, 0);
      flags_ = 0;
    } else if (flags_ & TME_HOVER) {
      if (std::abs(pointer.x - restingAt_.x) > kHoverSlack ||
          std::abs(pointer.y - restingAt_.y) > kHoverSlack) {
        restingAt_ = pointer;
        restingSince_ = now;
      } else if (now - restingSince_ >= hoverMs_) {
        flags_ &= ~TME_HOVER;
        POINT client = pointer;
        ScreenToClient(window_, &client);
        PostMessageW(window_, WM_MOUSEHOVER, KeysDown(), MAKELPARAM(client.x, client.y));
      }
    }
    StopWhenIdle();
  }

  static WPARAM KeysDown() {
    WPARAM keys = 0;
    if (GetKeyState(VK_LBUTTON) < 0)
      keys |= MK_LBUTTON;
    if (GetKeyState(VK_RBUTTON) < 0)
      keys |= MK_RBUTTON;
    if (GetKeyState(VK_SHIFT) < 0)
      keys |= MK_SHIFT;
    if (GetKeyState(VK_CONTROL) < 0)
      keys |= MK_CONTROL;
    return keys;
  }

  void StopWhenIdle() {
    if (flags_ != 0 || timer_ == 0)
      return;
    KillTimer(nullptr, timer_);
    timer_ = 0;
    window_ = nullptr;
  }

  HWND window_ = nullptr;
  DWORD flags_ = 0;
  UINT_PTR timer_ = 0;
  DWORD hoverMs_ = kDefaultHoverMs;
  POINT restingAt_{};
  DWORD restingSince_ = 0;
};

BOOL WINAPI TrackPointer(LPTRACKMOUSEEVENT request) {
  using Track = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
  static const Track commonControls = [] {
    HMODULE library = LoadSystemLibrary("comctl32.dll");
    return library != nullptr ? reinterpret_cast<Track>(reinterpret_cast<void*>(
                                    GetProcAddress(library, "_TrackMouseEvent")))
                              : nullptr;
  }();
  if (commonControls != nullptr)
    return commonControls(request);
  if (request == nullptr || request->cbSize < sizeof(TRACKMOUSEEVENT))
    return FALSE;
  return PointerWatch::Instance().Track(*request);
}

}  // namespace
}  // namespace pelk::imports

using namespace pelk::imports;

PELK_IMPORT_SLOT("USER32.DLL", TrackMouseEvent, 4, nullptr, &TrackPointer)
