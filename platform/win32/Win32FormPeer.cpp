#include "platform/win32/Win32FormPeer.h"

#include "platform/win32/Win32IconResource.h"
#include "platform/win32/Win32Module.h"

namespace pelk {

namespace {

DWORD FormStyle(const TForm& form) {
  const TBorderIcons icons = form.BorderIcons();
  DWORD style = WS_CLIPCHILDREN;
  switch (form.BorderStyle()) {
    case TFormBorderStyle::bsNone:
      return style | WS_POPUP;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin:
      style |= WS_CAPTION | WS_THICKFRAME;
      break;
    default:
      style |= WS_CAPTION;
      break;
  }
  if ((icons & biSystemMenu) != 0) {
    style |= WS_SYSMENU;
    if ((icons & biMinimize) != 0)
      style |= WS_MINIMIZEBOX;
    if ((icons & biMaximize) != 0)
      style |= WS_MAXIMIZEBOX;
  }
  return style;
}

DWORD FormExStyle(const TForm& form) {
  switch (form.BorderStyle()) {
    case TFormBorderStyle::bsDialog:
      return WS_EX_DLGMODALFRAME;
    case TFormBorderStyle::bsToolWindow:
    case TFormBorderStyle::bsSizeToolWin:
      return WS_EX_TOOLWINDOW;
    default:
      return 0;
  }
}

}  // namespace

Win32FormPeer::~Win32FormPeer() {
  hint_.reset();  // before the window that owns it
  // The window goes unhooked (the base's part); the controls' windows inside it go with it.
  EndingByLibrary();
}

DWORD Win32FormPeer::Style() const {
  return FormStyle(*form_);
}

DWORD Win32FormPeer::ExStyle() const {
  return FormExStyle(*form_);
}

void Win32FormPeer::Made() {
  formStyle_ = Style();
  formExStyle_ = ExStyle();
  StyleChanged();
  if (form_->Visible())
    VisibleChanged();
}

void Win32FormPeer::WindowGone() {
  Win32WindowPeer::WindowGone();
  form_->WindowDestroyed();
}

void Win32FormPeer::DestroyWindow() {
  hint_.reset();  // before the window that owns it
  if (Window() != nullptr)
    EndingByLibrary();
  hwnd_.reset();
}

void Win32FormPeer::VisibleChanged() {
  if (Window() == nullptr)
    return;
  const Applying applying(*this);
  ShowWindow(Window(), form_->Visible() ? SW_SHOW : SW_HIDE);
}

void Win32FormPeer::BringToFront() {
  if (!form_->Visible() || Window() == nullptr)
    return;
  // A minimised window is only an icon: it comes back at the form's bounds, which the host may
  // have changed while it was minimised.
  if (IsIconic(Window())) {
    {
      const Applying applying(*this);
      ShowWindow(Window(), SW_RESTORE);
    }
    BoundsChanged();
  }
  // A window just shown is on top already; moving it there again costs a trip to the window
  // system.
  if (GetWindow(Window(), GW_HWNDPREV) != nullptr)
    SetWindowPos(Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(Window());
}

void Win32FormPeer::StyleChanged() {
  HWND hwnd = Window();
  if (hwnd == nullptr)
    return;
  const DWORD style = Style();
  const DWORD exStyle = ExStyle();
  // A new frame costs a round trip to the window system: only when the frame did change.
  if (style != formStyle_ || exStyle != formExStyle_) {
    formStyle_ = style;
    formExStyle_ = exStyle;
    const LONG_PTR keep = GetWindowLongPtrW(hwnd, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED);
    SetWindowLongPtrW(hwnd, GWL_STYLE, static_cast<LONG_PTR>(style) | keep);
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
    const Applying applying(*this);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  if (form_->Icon() != iconName_) {
    iconName_ = form_->Icon();
    bigIcon_.reset();
    smallIcon_.reset();
    if (!iconName_.empty()) {
      bigIcon_.reset(LoadIconResource(CodeModule(), iconName_.c_str(), 32));
      smallIcon_.reset(LoadIconResource(CodeModule(), iconName_.c_str(), 16));
    }
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  }
}

Win32HintWindow* Win32FormPeer::Hints(bool make) {
  if (Window() == nullptr)
    return nullptr;
  if (!hint_ && make)
    hint_ = std::make_unique<Win32HintWindow>(Window());
  return hint_.get();
}

// The system gives an activated window the focus itself; the keyboard belongs with the control
// that had it when the form was left, or else the first tab stop.
void Win32FormPeer::FocusOnActivation() {
  if (lastFocus_ != nullptr && OwnWindowPeer(lastFocus_) != nullptr &&
      IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) {
    SetFocus(lastFocus_);
    return;
  }
  if (TWinControl* first = form_->NextTabStop(nullptr, true))
    first->SetFocus();
}

LRESULT Win32FormPeer::OnMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hint_ && EndsHint(msg, wParam, lParam))
    hint_->Hide();
  return form_->ReceiveMessage(msg, wParam, lParam);
}

// The hint belongs to a page in front of the user: it goes when the page is hidden (by whoever),
// minimised, no longer active, or destroyed, although the pointer rests where it was.
bool Win32FormPeer::EndsHint(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_WINDOWPOSCHANGED: {
      const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
      return position != nullptr && (position->flags & SWP_HIDEWINDOW) != 0;
    }
    case WM_SIZE:
      return wParam == SIZE_MINIMIZED;
    case WM_ACTIVATE:
      return LOWORD(wParam) == WA_INACTIVE;
    case WM_DESTROY:
      return true;
    default:
      return false;
  }
}

void Win32FormPeer::DefaultProcessing(TMessage& message) {
  HWND hwnd = Window();
  const auto wParam = static_cast<WPARAM>(message.WParam);
  const auto lParam = static_cast<LPARAM>(message.LParam);
  if (HandleChildMessage(message))
    return;
  switch (message.Msg) {
    case WM_ERASEBKGND: {
      RECT rect;
      GetClientRect(hwnd, &rect);
      FillRect(reinterpret_cast<HDC>(wParam), &rect, Brush());
      message.Result = 1;
      return;
    }
    case WM_SETTINGCHANGE:
      form_->FrameMetricsChanged();
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd, focus))
          lastFocus_ = focus;
      } else if (HIWORD(wParam) == 0) {  // not minimised
        message.Result = DefWindowProcW(hwnd, message.Msg, wParam, lParam);
        FocusOnActivation();
        return;
      }
      break;
    case WM_WINDOWPOSCHANGED:
      FollowVisibility(lParam);
      if (!applying_ && !form_->Loading() && Window() != nullptr && !IsIconic(hwnd)) {
        RECT rect;
        GetWindowRect(hwnd, &rect);
        if (rect.left != form_->Left() || rect.top != form_->Top() ||
            rect.right - rect.left != form_->Width() || rect.bottom - rect.top != form_->Height()) {
          const Applying applying(*this);
          form_->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        }
      }
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == hwnd && LOWORD(lParam) == HTCLIENT &&
          form_->Cursor() != crDefault) {
        ApplyCursor(*form_);
        message.Result = TRUE;
        return;
      }
      break;
    default:
      break;
  }
  message.Result = DefWindowProcW(hwnd, message.Msg, wParam, lParam);
}

std::unique_ptr<ControlPeer> CreateFormPeer(TForm& form) {
  return std::make_unique<Win32FormPeer>(form);
}

FrameSize FormFrameSize(const TForm& form) {
  RECT rect{0, 0, 0, 0};
  AdjustWindowRectEx(&rect, FormStyle(form), FALSE, FormExStyle(form));
  return FrameSize{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace pelk
