#pragma once
// Owners of native handles, each closing its handle exactly once, and scope guards for device
// contexts and selected objects.
#include <utility>

#include "platform/win32/WindowsApi.h"

namespace pelk {

// Owns one native handle and closes it exactly once, with Close::Free. Move-only: a copy would
// close it twice. Null (a default Handle) is "none".
template <class Handle, class Close>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other)
      reset(std::exchange(other.handle_, Handle{}));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  // Closes the handle held, if any, and holds `handle` instead.
  void reset(Handle handle = Handle{}) {
    const Handle old = std::exchange(handle_, handle);
    if (old != Handle{})
      Close::Free(old);
  }
  // Gives the handle up without closing it (the system closed it already, or a new owner will).
  [[nodiscard]] Handle release() { return std::exchange(handle_, Handle{}); }

 private:
  Handle handle_{};
};

struct DestroyWindowClose {
  static void Free(HWND hwnd) { DestroyWindow(hwnd); }
};
struct DeleteObjectClose {
  static void Free(HGDIOBJ object) { DeleteObject(object); }
};
struct DestroyMenuClose {
  static void Free(HMENU menu) { DestroyMenu(menu); }
};
struct DestroyIconClose {
  static void Free(HICON icon) { DestroyIcon(icon); }
};
struct RegCloseKeyClose {
  static void Free(HKEY key) { RegCloseKey(key); }
};
struct CloseHandleClose {
  static void Free(HANDLE handle) { CloseHandle(handle); }
};

using UniqueHwnd = UniqueHandle<HWND, DestroyWindowClose>;
using UniqueFont = UniqueHandle<HFONT, DeleteObjectClose>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteObjectClose>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteObjectClose>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenuClose>;
using UniqueIcon = UniqueHandle<HICON, DestroyIconClose>;
using UniqueKey = UniqueHandle<HKEY, RegCloseKeyClose>;
using UniqueKernelHandle = UniqueHandle<HANDLE, CloseHandleClose>;

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
