#pragma once
// Owners of the native handles the GUI peers use: each closes its handle exactly once.
#include <utility>

#include "platform/win32/WindowsApi.h"

namespace pelk {

class UniqueHwnd {
 public:
  UniqueHwnd() = default;
  explicit UniqueHwnd(HWND hwnd) : hwnd_(hwnd) {}
  ~UniqueHwnd() { reset(); }
  UniqueHwnd(UniqueHwnd&& other) noexcept : hwnd_(std::exchange(other.hwnd_, nullptr)) {}
  UniqueHwnd& operator=(UniqueHwnd&& other) noexcept {
    if (this != &other) {
      reset();
      hwnd_ = std::exchange(other.hwnd_, nullptr);
    }
    return *this;
  }
  HWND get() const { return hwnd_; }
  // Forgets a window the system has destroyed already.
  void release() { hwnd_ = nullptr; }
  void reset() {
    if (hwnd_ != nullptr)
      DestroyWindow(std::exchange(hwnd_, nullptr));
  }

 private:
  HWND hwnd_ = nullptr;
};

// HFONT, HBRUSH, HBITMAP, HPEN: anything DeleteObject frees.
template <class Handle>
class UniqueGdi {
 public:
  UniqueGdi() = default;
  explicit UniqueGdi(Handle handle) : handle_(handle) {}
  ~UniqueGdi() { reset(); }
  UniqueGdi(UniqueGdi&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueGdi& operator=(UniqueGdi&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  Handle get() const { return handle_; }
  void reset(Handle handle = nullptr) {
    if (handle_ != nullptr)
      DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using UniqueFont = UniqueGdi<HFONT>;
using UniqueBrush = UniqueGdi<HBRUSH>;
using UniqueBitmap = UniqueGdi<HBITMAP>;

class UniqueMenu {
 public:
  explicit UniqueMenu(HMENU menu) : menu_(menu) {}
  ~UniqueMenu() {
    if (menu_ != nullptr)
      DestroyMenu(menu_);
  }
  UniqueMenu(const UniqueMenu&) = delete;
  UniqueMenu& operator=(const UniqueMenu&) = delete;
  HMENU get() const { return menu_; }

 private:
  HMENU menu_;
};

class UniqueIcon {
 public:
  UniqueIcon() = default;
  ~UniqueIcon() { reset(); }
  UniqueIcon(const UniqueIcon&) = delete;
  UniqueIcon& operator=(const UniqueIcon&) = delete;
  HICON get() const { return icon_; }
  void reset(HICON icon = nullptr) {
    if (icon_ != nullptr)
      DestroyIcon(icon_);
    icon_ = icon;
  }

 private:
  HICON icon_ = nullptr;
};

// GetDC / ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~WindowDc() {
    if (dc_ != nullptr)
      ReleaseDC(hwnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
  ~PaintDc() { EndPaint(hwnd_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// A memory context with a bitmap of the given size selected, for painting without flicker.
class BufferDc {
 public:
  BufferDc(HDC target, int width, int height)
      : dc_(CreateCompatibleDC(target)),
        bitmap_(CreateCompatibleBitmap(target, width > 0 ? width : 1, height > 0 ? height : 1)),
        old_(SelectObject(dc_, bitmap_.get())) {}
  ~BufferDc() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  BufferDc(const BufferDc&) = delete;
  BufferDc& operator=(const BufferDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ old_;
};

// Selects an object into a context for one scope.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~Selected() { SelectObject(dc_, old_); }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace pelk
