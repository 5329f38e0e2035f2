// Native windows behind the GUI classes. The C++ objects keep the state; each peer mirrors it
// into its window and turns real input into the same calls the headless driver makes. No
// exception leaves a window procedure, and nothing is touched after a call into page code
// unless the control's life token says it still exists.
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/EOutOfResources.h"
#include "platform/gui/Peers.h"
#include "platform/gui/TCheckBox.h"
#include "platform/gui/TForm.h"
#include "platform/gui/TMemo.h"
#include "platform/gui/TPanel.h"
#include "platform/gui/TSpeedButton.h"
#include "platform/gui/TStaticText.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32HintWindow.h"
#include "platform/win32/Win32IconResource.h"
#include "platform/win32/Win32Module.h"

namespace pelk {

namespace {

constexpr wchar_t kFormClass[] = L"PelkForm";
constexpr wchar_t kPanelClass[] = L"PelkPanel";
constexpr wchar_t kButtonClass[] = L"PelkSpeedButton";

COLORREF ToColorRef(TColor color) {
  if (color < 0)
    return GetSysColor(color & 0xFF);
  return static_cast<COLORREF>(color) & 0xFFFFFFu;
}

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

POINT MessagePoint(LPARAM lParam) {
  POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (lParam == -1)
    GetCursorPos(&point);  // from the keyboard
  return point;
}

void ApplyCursor(const TControl& control) {
  const TCursor cursor = control.Cursor();
  // The system cursors by number: the IDC_ names follow the A or W choice of the build.
  int id = 32512;  // arrow
  if (cursor == crHandPoint)
    id = 32649;
  if (cursor == -4)
    id = 32513;  // I-beam
  if (cursor == -11)
    id = 32514;  // hourglass
  SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(id)));
}

bool EnsureClass(const wchar_t* name, WNDPROC procedure) {
  HINSTANCE module = CodeModule();
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(module, name, &existing))
    return true;
  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  info.lpfnWndProc = procedure;
  info.hInstance = module;
  info.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  info.lpszClassName = name;
  info.style = CS_DBLCLKS;
  return RegisterClassExW(&info) != 0;
}

void SetText(HWND hwnd, const std::string& text) {
  SetWindowTextW(hwnd, Utf16(text).c_str());
}

class Win32Peer : public FormPeer {
 public:
  enum class Kind { Form, Panel, SpeedButton, Memo, StaticText, CheckBox };

  Win32Peer(TControl& control, Kind kind)
      : control_(control), kind_(kind), form_(control.ParentForm()) {}

  ~Win32Peer() override {
    if (HWND hwnd = hwnd_.get()) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      hint_.reset();  // before the window that owns it
      if (oldProc_ != nullptr) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
      }
      hwnd_.reset();
    }
    // Succeeds only once no window of the class is left.
    if (className_ != nullptr)
      UnregisterClassW(className_, CodeModule());
  }

  // The window got its last message: destroyed with its parent's, by its owner, or by another
  // program. Nothing is left to undo on it, and the peer goes on without one.
  void WindowGone() {
    static_cast<void>(hwnd_.release());
    if (kind_ == Kind::Form)
      static_cast<TForm&>(control_).WindowDestroyed();
  }

  bool Create() {
    const wchar_t* className = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;
    WNDPROC procedure = &OwnWndProc;
    if (kind_ == Kind::Form) {
      auto& form = static_cast<TForm&>(control_);
      className = kFormClass;
      style = FormStyle(form);
      exStyle = FormExStyle(form);
      formStyle_ = style;
      formExStyle_ = exStyle;
    } else {
      parent = reinterpret_cast<HWND>(control_.Parent()->Handle());
      style = WS_CHILD | WS_CLIPSIBLINGS;
      if (control_.Visible())
        style |= WS_VISIBLE;
      if (!control_.Enabled() && kind_ != Kind::SpeedButton)
        style |= WS_DISABLED;
      switch (kind_) {
        case Kind::Panel:
          className = kPanelClass;
          style |= WS_CLIPCHILDREN;
          break;
        case Kind::SpeedButton:
          className = kButtonClass;
          break;
        case Kind::Memo: {
          const auto& memo = static_cast<const TMemo&>(control_);
          className = L"EDIT";
          style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL;
          if (!memo.WordWrap())
            style |= ES_AUTOHSCROLL | WS_HSCROLL;
          if (memo.ReadOnly())
            style |= ES_READONLY;
          if (memo.ScrollBars() == TScrollStyle::ssVertical ||
              memo.ScrollBars() == TScrollStyle::ssBoth) {
            style |= WS_VSCROLL;
          }
          if (memo.TabStop())
            style |= WS_TABSTOP;
          if (memo.Ctl3D()) {
            exStyle |= WS_EX_CLIENTEDGE;
          } else {
            style |= WS_BORDER;
          }
          break;
        }
        case Kind::StaticText: {
          const auto& text = static_cast<const TStaticText&>(control_);
          className = L"STATIC";
          style |= SS_NOPREFIX;
          style |= text.Alignment() == TAlignment::taCenter         ? SS_CENTER
                   : text.Alignment() == TAlignment::taRightJustify ? SS_RIGHT
                                                                    : SS_LEFT;
          break;
        }
        case Kind::CheckBox:
          className = L"BUTTON";
          style |= BS_CHECKBOX;
          if (!control_.Ctl3D())
            style |= BS_FLAT;  // the page's flat look: a plain square, no sunken edge
          if (static_cast<const TCheckBox&>(control_).TabStop())
            style |= WS_TABSTOP;
          break;
        default:
          return false;
      }
      if (kind_ == Kind::Memo || kind_ == Kind::StaticText || kind_ == Kind::CheckBox) {
        procedure = nullptr;  // a system class, subclassed below
      }
    }
    if (procedure != nullptr) {
      if (!EnsureClass(className, procedure))
        return false;
      className_ = className;
    }
    // An edit control lays its text out anew for each font it gets: with the text given after
    // the font, that happens once (a help text took 9 ms to create and 10 more to lay out again
    // in the page's font under Wine; given afterwards, 3 ms in all).
    const WideString text = Utf16(kind_ == Kind::Memo ? std::string() : control_.Caption());
    HWND hwnd = CreateWindowExW(exStyle, className, text.c_str(), style, control_.Left(),
                                control_.Top(), control_.Width(), control_.Height(), parent,
                                nullptr, CodeModule(), nullptr);
    if (hwnd == nullptr)
      return false;
    hwnd_ = UniqueHwnd(hwnd);
    // The peer rides in the window's user data: read on every message, which a window property
    // would cost a round trip to the window server for.
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (procedure == nullptr) {
      oldProc_ = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
    }
    if (kind_ != Kind::Form)
      PlaceAmongSiblings(hwnd);
    ApplyFont();
    if (kind_ == Kind::Memo)
      SetText(hwnd, static_cast<TMemo&>(control_).Text());
    if (kind_ == Kind::CheckBox && static_cast<const TCheckBox&>(control_).Checked())
      SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    if (kind_ == Kind::Form) {
      StyleChanged();
      if (control_.Visible())
        VisibleChanged();
    }
    return true;
  }

  // Later controls lie in front of earlier ones. The system puts a new child window behind its
  // siblings, which is its place unless an earlier control has a window already.
  void PlaceAmongSiblings(HWND hwnd) {
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

  // ---- ControlPeer ----
  // Each call looks for its window first: the window may have been destroyed by someone else,
  // and the system reads a null window as "every window" for some calls.
  void BoundsChanged() override {
    if (hwnd_.get() == nullptr)
      return;
    applying_ = true;
    SetWindowPos(hwnd_.get(), nullptr, control_.Left(), control_.Top(), control_.Width(),
                 control_.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    applying_ = false;
  }

  void VisibleChanged() override {
    if (hwnd_.get() == nullptr)
      return;
    applying_ = true;
    if (kind_ == Kind::Form) {
      ShowWindow(hwnd_.get(), control_.Visible() ? SW_SHOW : SW_HIDE);
    } else {
      ShowWindow(hwnd_.get(), control_.Visible() ? SW_SHOWNA : SW_HIDE);
    }
    applying_ = false;
  }

  void EnabledChanged() override {
    if (hwnd_.get() == nullptr)
      return;
    // A speed button stays a live window, so hover notices reach it while it is disabled.
    if (kind_ != Kind::SpeedButton)
      EnableWindow(hwnd_.get(), control_.Enabled() ? TRUE : FALSE);
    InvalidateRect(hwnd_.get(), nullptr, TRUE);
  }

  void TextChanged() override {
    HWND hwnd = hwnd_.get();
    if (hwnd == nullptr)
      return;
    if (kind_ == Kind::Memo) {
      SetText(hwnd, static_cast<TMemo&>(control_).Text());
      return;
    }
    if (kind_ == Kind::CheckBox) {
      SendMessageW(hwnd, BM_SETCHECK,
                   static_cast<TCheckBox&>(control_).Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    if (kind_ != Kind::SpeedButton)
      SetText(hwnd, control_.Caption());
  }

  void AppearanceChanged() override {
    if (hwnd_.get() == nullptr)
      return;
    ApplyFont();
    if (kind_ == Kind::Memo) {
      const auto& memo = static_cast<const TMemo&>(control_);
      SendMessageW(hwnd_.get(), EM_SETREADONLY, memo.ReadOnly() ? TRUE : FALSE, 0);
    }
    InvalidateRect(hwnd_.get(), nullptr, TRUE);
  }

  void CursorChanged() override {
    // The system asks for the cursor only when the pointer moves; a control that changes it
    // while the pointer rests on it (the hand on entering a button) shows it now.
    POINT pointer{};
    if (hwnd_.get() != nullptr && GetCursorPos(&pointer) && WindowFromPoint(pointer) == hwnd_.get())
      ApplyCursor(control_);
  }

  void Update() override {
    if (hwnd_.get() != nullptr)
      UpdateWindow(hwnd_.get());
  }

  WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(hwnd_.get()); }

  // ---- FormPeer ----
  bool MakeWindow() override { return Create(); }

  void DestroyWindow() override {
    hint_.reset();  // before the window that owns it
    hwnd_.reset();
  }

  TShortCut KeyModifiers() const override {
    TShortCut modifiers = 0;
    if (GetKeyState(VK_SHIFT) < 0)
      modifiers |= scShift;
    if (GetKeyState(VK_CONTROL) < 0)
      modifiers |= scCtrl;
    if (GetKeyState(VK_MENU) < 0)
      modifiers |= scAlt;
    return modifiers;
  }

  void BringToFront() override {
    if (!control_.Visible() || hwnd_.get() == nullptr)
      return;
    // A window just shown is on top already; moving it there again costs a trip to the window
    // system.
    if (GetWindow(hwnd_.get(), GW_HWNDPREV) != nullptr)
      SetWindowPos(hwnd_.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(hwnd_.get());
  }

  void StyleChanged() override {
    if (kind_ != Kind::Form || hwnd_.get() == nullptr)
      return;
    auto& form = static_cast<TForm&>(control_);
    HWND hwnd = hwnd_.get();
    const DWORD style = FormStyle(form);
    const DWORD exStyle = FormExStyle(form);
    // A new frame costs a round trip to the window system: only when the frame did change.
    if (style != formStyle_ || exStyle != formExStyle_) {
      formStyle_ = style;
      formExStyle_ = exStyle;
      const LONG_PTR keep = GetWindowLongPtrW(hwnd, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED);
      SetWindowLongPtrW(hwnd, GWL_STYLE, static_cast<LONG_PTR>(style) | keep);
      SetWindowLongPtrW(hwnd, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
      applying_ = true;
      SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
      applying_ = false;
    }
    if (form.Icon() != iconName_) {
      iconName_ = form.Icon();
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

  void DefaultProcessing(TMessage& message) override {
    HWND hwnd = hwnd_.get();
    const auto wParam = static_cast<WPARAM>(message.WParam);
    const auto lParam = static_cast<LPARAM>(message.LParam);
    if (HandleChildMessage(message))
      return;
    auto& form = static_cast<TForm&>(control_);
    switch (message.Msg) {
      case WM_ERASEBKGND: {
        RECT rect;
        GetClientRect(hwnd, &rect);
        FillRect(reinterpret_cast<HDC>(wParam), &rect, Brush());
        message.Result = 1;
        return;
      }
      case WM_SETTINGCHANGE:
        form.FrameMetricsChanged();
        break;
      case WM_WINDOWPOSCHANGED:
        FollowVisibility(lParam);
        if (!applying_ && !form.Loading() && hwnd_.get() != nullptr && !IsIconic(hwnd)) {
          RECT rect;
          GetWindowRect(hwnd, &rect);
          if (rect.left != form.Left() || rect.top != form.Top() ||
              rect.right - rect.left != form.Width() || rect.bottom - rect.top != form.Height()) {
            applying_ = true;
            form.SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
            applying_ = false;
          }
        }
        break;
      case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == hwnd && LOWORD(lParam) == HTCLIENT &&
            form.Cursor() != crDefault) {
          ApplyCursor(form);
          message.Result = TRUE;
          return;
        }
        break;
      default:
        break;
    }
    message.Result = DefWindowProcW(hwnd, message.Msg, wParam, lParam);
  }

  // The peer of one of this library's own windows.
  static Win32Peer* FromHwnd(HWND hwnd) {
    return hwnd != nullptr ? reinterpret_cast<Win32Peer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))
                           : nullptr;
  }

 private:
  static Win32Peer* FormPeerOf(const TControl& control) {
    TForm* form = control.ParentForm();
    return form != nullptr ? dynamic_cast<Win32Peer*>(form->Peer()) : nullptr;
  }

  // The peer behind `hwnd` when it is the form's own window or one of its controls' windows.
  // Window handles in messages come from anywhere: any program may send them, and a window
  // outside the form may carry anything in its user data. None is taken as a peer on its word.
  Win32Peer* OwnWindowPeer(HWND hwnd) const {
    if (hwnd == nullptr || form_ == nullptr)
      return nullptr;
    const TControl* found = FindByWindow(*form_, hwnd);
    return found != nullptr ? static_cast<Win32Peer*>(found->Peer()) : nullptr;
  }

  static const TControl* FindByWindow(const TControl& control, HWND hwnd) {
    if (control.Peer() != nullptr && reinterpret_cast<HWND>(control.Handle()) == hwnd)
      return &control;
    if (const auto* container = dynamic_cast<const TWinControl*>(&control)) {
      for (int i = 0; i < container->ControlCount(); ++i) {
        if (const TControl* found = FindByWindow(*container->Controls(i), hwnd))
          return found;
      }
    }
    return nullptr;
  }

  // Someone showed or hid the window: unless it was this peer, the control's state follows.
  void FollowVisibility(LPARAM lParam) {
    const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
    if (applying_ || position == nullptr)
      return;
    if ((position->flags & SWP_SHOWWINDOW) != 0) {
      control_.WindowVisibilityChanged(true);
    } else if ((position->flags & SWP_HIDEWINDOW) != 0) {
      control_.WindowVisibilityChanged(false);
    }
  }

  // The form's hint window, made on the first hint; none while the form has no window.
  Win32HintWindow* FormHint(bool make) {
    Win32Peer* form = FormPeerOf(control_);
    if (form == nullptr || form->hwnd_.get() == nullptr)
      return nullptr;
    if (!form->hint_ && make)
      form->hint_ = std::make_unique<Win32HintWindow>(form->hwnd_.get());
    return form->hint_.get();
  }

  // A click takes the hint away; it comes back only after the pointer left the control.
  void DropHintOnClick(UINT msg) {
    if (msg != WM_LBUTTONDOWN && msg != WM_RBUTTONDOWN && msg != WM_MBUTTONDOWN)
      return;
    hintDone_ = true;
    if (Win32HintWindow* hint = FormHint(false))
      hint->Hide();
  }

  // Notifications that child windows send their parent. True when handled.
  bool HandleChildMessage(TMessage& message) {
    switch (message.Msg) {
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORBTN: {
        Win32Peer* child = OwnWindowPeer(reinterpret_cast<HWND>(message.LParam));
        if (child == nullptr)
          return false;
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        SetTextColor(dc, ToColorRef(child->control_.Font().Color));
        SetBkColor(dc, ToColorRef(child->control_.EffectiveColor()));
        message.Result = reinterpret_cast<LRESULT>(child->Brush());
        return true;
      }
      case WM_COMMAND: {
        Win32Peer* child = OwnWindowPeer(reinterpret_cast<HWND>(message.LParam));
        if (child == nullptr || HIWORD(message.WParam) != BN_CLICKED)
          return false;
        message.Result = 0;
        child->control_.UserClick();  // may destroy the page: nothing follows
        return true;
      }
      case WM_CONTEXTMENU: {
        // The window the user clicked: one of the page's, or the request is not the page's.
        Win32Peer* target = OwnWindowPeer(reinterpret_cast<HWND>(message.WParam));
        if (target == nullptr)
          return false;
        const POINT point = MessagePoint(static_cast<LPARAM>(message.LParam));
        message.Result = 0;
        return target->control_.UserContextMenu(point.x, point.y);
      }
      default:
        return false;
    }
  }

  HBRUSH Brush() {
    const COLORREF color = ToColorRef(control_.EffectiveColor());
    if (brush_.get() == nullptr || color != brushColor_) {
      brush_.reset(CreateSolidBrush(color));
      brushColor_ = color;
    }
    return brush_.get();
  }

  void ApplyFont() {
    if (kind_ == Kind::Panel || kind_ == Kind::SpeedButton)
      return;
    const TFont& font = control_.Font();
    if (font_.get() != nullptr && font == fontKey_)
      return;
    fontKey_ = font;
    font_.reset(CreateFontW(
        font.Height, 0, 0, 0, (font.Style & fsBold) ? FW_BOLD : FW_NORMAL,
        (font.Style & fsItalic) ? TRUE : FALSE, (font.Style & fsUnderline) ? TRUE : FALSE,
        (font.Style & fsStrikeOut) ? TRUE : FALSE, static_cast<BYTE>(font.Charset),
        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
        Utf16(font.Name).c_str()));
    SendMessageW(hwnd_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
  }

  void PaintPanel(HDC target) {
    RECT rect;
    GetClientRect(hwnd_.get(), &rect);
    const auto& panel = static_cast<const TPanel&>(control_);
    if (panel.BevelOuter() == TBevelCut::bvNone && panel.Caption().empty()) {
      FillRect(target, &rect, Brush());  // one fill cannot flicker: no buffer needed
      return;
    }
    BufferDc buffer(target, rect.right, rect.bottom);
    FillRect(buffer.get(), &rect, Brush());
    if (panel.BevelOuter() == TBevelCut::bvRaised)
      DrawEdge(buffer.get(), &rect, BDR_RAISEDOUTER, BF_RECT);
    if (panel.BevelOuter() == TBevelCut::bvLowered)
      DrawEdge(buffer.get(), &rect, BDR_SUNKENOUTER, BF_RECT);
    if (!panel.Caption().empty()) {
      SetBkMode(buffer.get(), TRANSPARENT);
      const WideString caption = Utf16(panel.Caption());
      DrawTextW(buffer.get(), caption.c_str(), static_cast<int>(caption.size()), &rect,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    BitBlt(target, 0, 0, rect.right, rect.bottom, buffer.get(), 0, 0, SRCCOPY);
  }

  void PaintSpeedButton(HDC target) {
    RECT rect;
    GetClientRect(hwnd_.get(), &rect);
    BufferDc buffer(target, rect.right, rect.bottom);
    auto& button = static_cast<TSpeedButton&>(control_);
    UniqueBrush background(CreateSolidBrush(ToColorRef(button.EffectiveColor())));
    FillRect(buffer.get(), &rect, background.get());
    const TBitmap& glyph = button.Glyph();
    if (!glyph.Empty()) {
      std::vector<std::uint32_t> pixels = glyph.Pixels();
      if (!button.Enabled()) {
        for (std::uint32_t& pixel : pixels) {
          const std::uint32_t grey =
              (((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF)) / 3;
          const std::uint32_t light = (grey + 255) / 2;
          pixel = light << 16 | light << 8 | light;
        }
      }
      BITMAPINFO info{};
      info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
      info.bmiHeader.biWidth = glyph.Width();
      info.bmiHeader.biHeight = -glyph.Height();
      info.bmiHeader.biPlanes = 1;
      info.bmiHeader.biBitCount = 32;
      info.bmiHeader.biCompression = BI_RGB;
      const int shift = button.Down() ? 1 : 0;
      const int x = (rect.right - glyph.Width()) / 2 + shift;
      const int y = (rect.bottom - glyph.Height()) / 2 + shift;
      SetDIBitsToDevice(buffer.get(), x, y, static_cast<DWORD>(glyph.Width()),
                        static_cast<DWORD>(glyph.Height()), 0, 0, 0,
                        static_cast<UINT>(glyph.Height()), pixels.data(), &info, DIB_RGB_COLORS);
    }
    if (button.Down()) {
      DrawEdge(buffer.get(), &rect, BDR_SUNKENOUTER, BF_RECT);
    } else if (!button.Flat() || (button.MouseInControl() && button.Enabled())) {
      DrawEdge(buffer.get(), &rect, button.Flat() ? BDR_RAISEDINNER : EDGE_RAISED, BF_RECT);
    }
    BitBlt(target, 0, 0, rect.right, rect.bottom, buffer.get(), 0, 0, SRCCOPY);
  }

  // The pointer's first move onto the window and its leaving become the library's enter and
  // leave notices; their handlers may destroy the page. The control's hint shows when the system
  // says the pointer rests on it, and goes when it leaves or clicks. Every move looks at the hint
  // again, since it may have been set meanwhile.
  void TrackPointer(UINT msg) {
    if (msg == WM_MOUSELEAVE) {
      tracking_ = false;
      awaitingHover_ = false;
      hintDone_ = false;
      if (Win32HintWindow* hint = FormHint(false))
        hint->HideFor(this);
      control_.UserMouseLeave();
      return;
    }
    const bool shows = control_.EffectiveShowHint() && !control_.Hint().empty();
    if (msg == WM_MOUSEHOVER) {
      awaitingHover_ = false;
      if (shows && !hintDone_) {
        hintDone_ = true;
        if (Win32HintWindow* hint = FormHint(true))
          hint->Show(control_.Hint(), this);
      }
      return;
    }
    const bool entering = !tracking_;
    const bool wantHover = shows && !hintDone_ && !awaitingHover_;
    if ((entering || wantHover) && hwnd_.get() != nullptr) {
      TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT),
                            static_cast<DWORD>(TME_LEAVE | (wantHover ? TME_HOVER : 0)),
                            hwnd_.get(), HOVER_DEFAULT};
      TrackMouseEvent(&track);
      tracking_ = true;
      awaitingHover_ = awaitingHover_ || wantHover;
    }
    if (entering)
      control_.UserMouseEnter();
  }

  // Messages of the library's own window classes.
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = hwnd_.get();
    if (kind_ == Kind::Form) {
      return static_cast<TForm&>(control_).ReceiveMessage(msg, wParam, lParam);
    }
    DropHintOnClick(msg);
    TMessage message{msg, wParam, lParam, 0};
    if (HandleChildMessage(message))
      return message.Result;
    switch (msg) {
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT: {
        PaintDc paint(hwnd);
        if (kind_ == Kind::SpeedButton) {
          PaintSpeedButton(paint.get());
        } else {
          PaintPanel(paint.get());
        }
        return 0;
      }
      case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
          ApplyCursor(control_);
          return TRUE;
        }
        break;
      case WM_MOUSEMOVE:
      case WM_MOUSEHOVER:
      case WM_MOUSELEAVE:
        TrackPointer(msg);
        return 0;
      case WM_WINDOWPOSCHANGED:
        FollowVisibility(lParam);
        break;
      default:
        break;
    }
    if (kind_ == Kind::SpeedButton) {
      auto& button = static_cast<TSpeedButton&>(control_);
      switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
          if (button.Enabled()) {
            SetCapture(hwnd);
            button.SetDown(true);
          }
          return 0;
        case WM_CAPTURECHANGED:
          button.SetDown(false);
          return 0;
        case WM_LBUTTONUP:
          if (GetCapture() == hwnd) {
            const POINT point{static_cast<short>(LOWORD(lParam)),
                              static_cast<short>(HIWORD(lParam))};
            RECT rect;
            GetClientRect(hwnd, &rect);
            ReleaseCapture();
            button.SetDown(false);
            if (PtInRect(&rect, point))
              button.UserClick();
          }
          return 0;
        default:
          break;
      }
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }

  // Messages of subclassed system controls: shortcuts, the pop-up menu, hover and cursor.
  LRESULT OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const WNDPROC old = oldProc_;
    DropHintOnClick(msg);
    switch (msg) {
      case WM_DESTROY:
        // Wine's multi-line edit control keeps its text's line layout when destroyed (about 600
        // bytes a window); emptied first, it lets it go.
        if (kind_ == Kind::Memo)
          CallWindowProcW(old, hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        break;
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
        if (form_ != nullptr && form_->UserKeyDown(static_cast<int>(wParam), KeyModifiers()))
          return 0;
        break;
      case WM_CONTEXTMENU: {
        const POINT point = MessagePoint(lParam);
        if (control_.UserContextMenu(point.x, point.y))
          return 0;
        break;
      }
      case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && control_.Cursor() != crDefault) {
          ApplyCursor(control_);
          return TRUE;
        }
        break;
      case WM_MOUSEMOVE:
      case WM_MOUSEHOVER:
      case WM_MOUSELEAVE:
        TrackPointer(msg);
        break;
      case WM_WINDOWPOSCHANGED:
        FollowVisibility(lParam);
        break;
      default:
        break;
    }
    return CallWindowProcW(old, hwnd, msg, wParam, lParam);
  }

  // Every message of the library's windows enters the page's code here. The form's dispatch
  // scope keeps the page (and this peer) alive until the message is done, whatever the handlers
  // set off: a page let go meanwhile has lost its windows and is deleted when the scope closes.
  static LRESULT CALLBACK OwnWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Win32Peer* peer = FromHwnd(hwnd);
    if (peer == nullptr)
      return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
      peer->WindowGone();
      return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    const TForm::DispatchScope scope(peer->form_);
    try {
      return peer->OnMessage(msg, wParam, lParam);
    } catch (...) {
      return 0;  // nothing crosses into the system
    }
  }

  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Win32Peer* peer = FromHwnd(hwnd);
    if (peer == nullptr)
      return DefWindowProcW(hwnd, msg, wParam, lParam);
    const WNDPROC old = peer->oldProc_;
    if (msg == WM_NCDESTROY) {
      peer->WindowGone();
      return CallWindowProcW(old, hwnd, msg, wParam, lParam);
    }
    const TForm::DispatchScope scope(peer->form_);
    try {
      return peer->OnSubclassMessage(hwnd, msg, wParam, lParam);
    } catch (...) {
      return 0;
    }
  }

  TControl& control_;
  Kind kind_;
  TForm* form_;  // whose dispatch scope covers this window's messages
  UniqueHwnd hwnd_;
  const wchar_t* className_ = nullptr;
  WNDPROC oldProc_ = nullptr;
  UniqueFont font_;
  TFont fontKey_;
  UniqueBrush brush_;
  COLORREF brushColor_ = 0;
  UniqueIcon bigIcon_;
  UniqueIcon smallIcon_;
  std::string iconName_;
  std::unique_ptr<Win32HintWindow> hint_;  // the form's
  DWORD formStyle_ = 0;                    // the frame the form's window has, as this peer set it
  DWORD formExStyle_ = 0;
  bool tracking_ = false;
  bool awaitingHover_ = false;  // a hover notice is asked for
  bool hintDone_ = false;       // shown or clicked away since the pointer came
  bool applying_ = false;
};

}  // namespace

std::unique_ptr<ControlPeer> CreateControlPeer(TControl& control) {
  if (control.Parent() == nullptr || control.Parent()->Handle() == 0)
    return nullptr;
  Win32Peer::Kind kind = Win32Peer::Kind::Panel;
  if (dynamic_cast<TSpeedButton*>(&control) != nullptr) {
    kind = Win32Peer::Kind::SpeedButton;
  } else if (dynamic_cast<TMemo*>(&control) != nullptr) {
    kind = Win32Peer::Kind::Memo;
  } else if (dynamic_cast<TStaticText*>(&control) != nullptr) {
    kind = Win32Peer::Kind::StaticText;
  } else if (dynamic_cast<TCheckBox*>(&control) != nullptr) {
    kind = Win32Peer::Kind::CheckBox;
  } else if (dynamic_cast<TWinControl*>(&control) == nullptr) {
    return nullptr;  // a windowless control of a class this backend does not draw
  }
  auto peer = std::make_unique<Win32Peer>(control, kind);
  if (!peer->Create())
    throw EOutOfResources("The window of " + control.Name() + " could not be made");
  return peer;
}

std::unique_ptr<FormPeer> CreateFormPeer(TForm& form) {
  return std::make_unique<Win32Peer>(form, Win32Peer::Kind::Form);
}

FrameSize FormFrameSize(const TForm& form) {
  RECT rect{0, 0, 0, 0};
  AdjustWindowRectEx(&rect, FormStyle(form), FALSE, FormExStyle(form));
  return FrameSize{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace pelk
