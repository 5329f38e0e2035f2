#include "platform/win32/Win32HintWindow.h"

#include <algorithm>

#include "platform/win32/WideText.h"
#include "platform/win32/Win32Module.h"
#include "platform/win32/Win32WindowClasses.h"

namespace pelk {

namespace {

constexpr int kMaxTextWidth = 300;
constexpr int kPaddingX = 3;
constexpr int kPaddingY = 2;

UniqueFont HintFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
    return UniqueFont(CreateFontIndirectW(&metrics.lfStatusFont));
  return UniqueFont();
}

RECT WorkAreaAround(POINT point) {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &monitor))
    area = monitor.rcWork;
  return area;
}

}  // namespace

Win32HintWindow::~Win32HintWindow() {
  window_.reset();  // before its font
}

bool Win32HintWindow::EnsureWindow() {
  if (window_.get() != nullptr)
    return true;
  window_ = UniqueHwnd(CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE,
                                       Win32WindowClasses::kHint, L"", WS_POPUP | WS_BORDER, 0, 0,
                                       0, 0, owner_, nullptr, CodeModule(), nullptr));
  if (window_.get() == nullptr)
    return false;
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  font_ = HintFont();
  return true;
}

void Win32HintWindow::Show(const std::string& text, const void* source) {
  if (text.empty()) {
    HideFor(source);
    return;
  }
  if (source == source_ && text == text_ && Showing())
    return;
  if (!EnsureWindow())
    return;
  HWND hwnd = window_.get();
  text_ = text;
  wideText_ = Utf16(text);
  source_ = source;
  SetWindowTextW(hwnd, wideText_.c_str());
  RECT measured{0, 0, kMaxTextWidth, 0};
  HDC dc = GetDC(hwnd);
  const HGDIOBJ before = font_.get() != nullptr ? SelectObject(dc, font_.get()) : nullptr;
  DrawTextW(dc, wideText_.c_str(), static_cast<int>(wideText_.size()), &measured,
            DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK);
  if (before != nullptr)
    SelectObject(dc, before);
  ReleaseDC(hwnd, dc);
  RECT frame{0, 0, measured.right + 2 * kPaddingX, measured.bottom + 2 * kPaddingY};
  AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOOLWINDOW);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  POINT pointer{};
  GetCursorPos(&pointer);
  const RECT area = WorkAreaAround(pointer);
  int x = std::min(static_cast<int>(pointer.x), static_cast<int>(area.right) - width);
  int y = static_cast<int>(pointer.y) + kPointerClearance;
  if (y + height > area.bottom)
    y = static_cast<int>(pointer.y) - height - 2;  // above the pointer when there is no room below
  x = std::max(x, static_cast<int>(area.left));
  y = std::max(y, static_cast<int>(area.top));
  SetWindowPos(hwnd, HWND_TOPMOST, x, y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(hwnd, nullptr, TRUE);
}

void Win32HintWindow::HideFor(const void* source) {
  if (source == source_)
    Hide();
}

void Win32HintWindow::Hide() {
  source_ = nullptr;
  if (Showing())
    ShowWindow(window_.get(), SW_HIDE);
}

bool Win32HintWindow::Showing() const {
  return window_.get() != nullptr && IsWindowVisible(window_.get());
}

void Win32HintWindow::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_.get(), &paint);
  RECT rect;
  GetClientRect(window_.get(), &rect);
  FillRect(dc, &rect, GetSysColorBrush(COLOR_INFOBK));
  const HGDIOBJ before = font_.get() != nullptr ? SelectObject(dc, font_.get()) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  InflateRect(&rect, -kPaddingX, -kPaddingY);
  DrawTextW(dc, wideText_.c_str(), static_cast<int>(wideText_.size()), &rect,
            DT_NOPREFIX | DT_WORDBREAK);
  if (before != nullptr)
    SelectObject(dc, before);
  EndPaint(window_.get(), &paint);
}

LRESULT CALLBACK Win32HintWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* hint = reinterpret_cast<Win32HintWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (hint == nullptr)
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  try {
    switch (msg) {
      case WM_PAINT:
        hint->Paint();
        return 0;
      case WM_ERASEBKGND:
        return 1;
      case WM_NCHITTEST:
        return HTTRANSPARENT;  // the pointer stays with the control below
      case WM_NCDESTROY:
        // The form's window took it along; the owner forgets it.
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        static_cast<void>(hint->window_.release());
        break;
      default:
        break;
    }
  } catch (...) {
    return 0;  // nothing crosses into the system
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace pelk
