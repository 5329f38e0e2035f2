#include "platform/win32/Win32WindowPeer.h"

#include "platform/gui/TWinControl.h"
#include "platform/win32/SystemCursor.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Module.h"

namespace pelk {

TShortCut KeyModifiersNow() {
  TShortCut modifiers = 0;
  if (GetKeyState(VK_SHIFT) < 0)
    modifiers |= scShift;
  if (GetKeyState(VK_CONTROL) < 0)
    modifiers |= scCtrl;
  if (GetKeyState(VK_MENU) < 0)
    modifiers |= scAlt;
  return modifiers;
}

COLORREF ToColorRef(TColor color) {
  if (color < 0)
    return GetSysColor(color & 0xFF);
  return static_cast<COLORREF>(color) & 0xFFFFFFu;
}

void ApplyCursor(const TControl& control) {
  SystemCursor shown = SystemCursor::Arrow;
  switch (control.Cursor()) {
    case crHandPoint:
      shown = SystemCursor::Hand;
      break;
    case crIBeam:
      shown = SystemCursor::IBeam;
      break;
    case crHourGlass:
      shown = SystemCursor::Wait;
      break;
    default:
      break;
  }
  SetCursor(LoadSystemCursor(shown));
}

void SetText(HWND hwnd, const std::string& text) {
  SetWindowTextW(hwnd, Utf16(text).c_str());
}

Win32WindowPeer::Win32WindowPeer(TControl& control)
    : control_(control), form_(control.ParentForm()) {}

Win32WindowPeer::~Win32WindowPeer() {
  // The window is unhooked before it goes, and also when it was taken for gone but lives on:
  // none may keep pointing here. One that still points here is this peer's own, and nobody
  // else would end it.
  if (made_ != nullptr && IsWindow(made_) && FromHwnd(made_) == this) {
    SetWindowLongPtrW(made_, GWLP_USERDATA, 0);
    if (oldProc_ != nullptr)
      SetWindowLongPtrW(made_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
    if (hwnd_.get() == nullptr)
      DestroyWindow(made_);
  }
  hwnd_.reset();
}

bool Win32WindowPeer::Create() {
  const WindowClass windowClass = Class();
  const WideString text = Utf16(InitialText());
  HWND hwnd = CreateWindowExW(ExStyle(), windowClass.name, text.c_str(), Style(), control_.Left(),
                              control_.Top(), control_.Width(), control_.Height(), ParentWindow(),
                              nullptr, CodeModule(), nullptr);
  if (hwnd == nullptr)
    return false;
  hwnd_ = UniqueHwnd(hwnd);
  made_ = hwnd;
  // The peer rides in the window's user data: read on every message, which a window property
  // would cost a round trip to the window server for.
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (!windowClass.own) {
    oldProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
  }
  if (control_.Parent() != nullptr)
    PlaceAmongSiblings(hwnd);
  ApplyFont();
  Made();
  return true;
}

DWORD Win32WindowPeer::Style() const {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (control_.Visible())
    style |= WS_VISIBLE;
  if (!control_.Enabled())
    style |= WS_DISABLED;
  return style;
}

HWND Win32WindowPeer::ParentWindow() const {
  return reinterpret_cast<HWND>(control_.Parent()->Handle());
}

// Later controls lie in front of earlier ones. The system puts a new child window behind its
// siblings, which is its place unless an earlier control has a window already.
void Win32WindowPeer::PlaceAmongSiblings(HWND hwnd) {
  const TWinControl& parent = *control_.Parent();
  HWND behind = HWND_TOP;
  bool earlierHasWindow = false;
  bool passed = false;
  for (int i = 0; i < parent.ControlCount(); ++i) {
    const TControl* sibling = parent.Controls(i);
    if (sibling == &control_) {
      passed = true;
    } else if (sibling->HandleAllocated()) {
      if (!passed) {
        earlierHasWindow = true;
      } else if (behind == HWND_TOP) {
        behind = reinterpret_cast<HWND>(sibling->Handle());
      }
    }
  }
  if (earlierHasWindow)
    SetWindowPos(hwnd, behind, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// ---- ControlPeer: each call looks for its window first; the system reads a null window as
// "every window" for some calls.

void Win32WindowPeer::BoundsChanged() {
  if (hwnd_.get() == nullptr)
    return;
  const Applying applying(*this);
  SetWindowPos(hwnd_.get(), nullptr, control_.Left(), control_.Top(), control_.Width(),
               control_.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32WindowPeer::VisibleChanged() {
  if (hwnd_.get() == nullptr)
    return;
  const Applying applying(*this);
  ShowWindow(hwnd_.get(), control_.Visible() ? SW_SHOWNA : SW_HIDE);
}

void Win32WindowPeer::EnabledChanged() {
  if (hwnd_.get() == nullptr)
    return;
  EnableWindow(hwnd_.get(), control_.Enabled() ? TRUE : FALSE);
  InvalidateRect(hwnd_.get(), nullptr, TRUE);
}

void Win32WindowPeer::TextChanged() {
  if (hwnd_.get() != nullptr)
    SetText(hwnd_.get(), control_.Caption());
}

void Win32WindowPeer::AppearanceChanged() {
  if (hwnd_.get() == nullptr)
    return;
  ApplyFont();
  InvalidateRect(hwnd_.get(), nullptr, TRUE);
}

void Win32WindowPeer::CursorChanged() {
  // The system asks for the cursor only when the pointer moves; a control that changes it while
  // the pointer rests on it (the hand on entering a button) shows it now.
  POINT pointer{};
  if (hwnd_.get() != nullptr && GetCursorPos(&pointer) && WindowFromPoint(pointer) == hwnd_.get())
    ApplyCursor(control_);
}

void Win32WindowPeer::Update() {
  if (hwnd_.get() != nullptr)
    UpdateWindow(hwnd_.get());
}

void Win32WindowPeer::TakeFocus() {
  if (hwnd_.get() != nullptr)
    SetFocus(hwnd_.get());
}

WindowHandle Win32WindowPeer::Handle() const {
  return reinterpret_cast<WindowHandle>(hwnd_.get());
}

Win32WindowPeer* Win32WindowPeer::FromHwnd(HWND hwnd) {
  return hwnd != nullptr
             ? reinterpret_cast<Win32WindowPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))
             : nullptr;
}

HBRUSH Win32WindowPeer::Brush() {
  const COLORREF color = ToColorRef(control_.EffectiveColor());
  if (brush_.get() == nullptr || color != brushColor_) {
    brush_.reset(CreateSolidBrush(color));
    brushColor_ = color;
  }
  return brush_.get();
}

void Win32WindowPeer::ApplyFont() {
  if (!UsesFont() || hwnd_.get() == nullptr)
    return;
  const TFont& font = control_.Font();
  if (font_.get() != nullptr && font == fontKey_)
    return;
  fontKey_ = font;
  font_.reset(CreateFontW(font.Height, 0, 0, 0, (font.Style & fsBold) ? FW_BOLD : FW_NORMAL,
                          (font.Style & fsItalic) ? TRUE : FALSE,
                          (font.Style & fsUnderline) ? TRUE : FALSE,
                          (font.Style & fsStrikeOut) ? TRUE : FALSE,
                          static_cast<BYTE>(font.Charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Utf16(font.Name).c_str()));
  SendMessageW(hwnd_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

}  // namespace pelk
