// Native windows behind the GUI classes. The C++ objects keep the state; each peer mirrors it
// into its window and turns real input into the same calls the headless driver makes. No
// exception leaves a window procedure, and nothing is touched after a call into page code
// unless the control's life token says it still exists.
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Peers.h"
#include "platform/gui/TCheckBox.h"
#include "platform/gui/TForm.h"
#include "platform/gui/TMemo.h"
#include "platform/gui/TPanel.h"
#include "platform/gui/TSpeedButton.h"
#include "platform/gui/TStaticText.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32HintWindow.h"
#include "platform/win32/Win32IconResource.h"
#include "platform/win32/Win32Module.h"

namespace pelk {

namespace {

constexpr char kFormClass[] = "PelkForm";
constexpr char kPanelClass[] = "PelkPanel";
constexpr char kButtonClass[] = "PelkSpeedButton";

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

TShortCut KeyModifiers() {
  TShortCut modifiers = 0;
  if (GetKeyState(VK_SHIFT) < 0)
    modifiers |= scShift;
  if (GetKeyState(VK_CONTROL) < 0)
    modifiers |= scCtrl;
  if (GetKeyState(VK_MENU) < 0)
    modifiers |= scAlt;
  return modifiers;
}

POINT MessagePoint(LPARAM lParam) {
  POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (lParam == -1)
    GetCursorPos(&point);  // from the keyboard
  return point;
}

void ApplyCursor(const TControl& control) {
  const TCursor cursor = control.Cursor();
  LPCSTR id = IDC_ARROW;
  if (cursor == crHandPoint)
    id = MAKEINTRESOURCEA(32649);  // IDC_HAND
  if (cursor == -4)
    id = IDC_IBEAM;
  if (cursor == -11)
    id = IDC_WAIT;
  SetCursor(LoadCursorA(nullptr, id));
}

bool EnsureClass(const char* name, WNDPROC procedure) {
  HINSTANCE module = CodeModule();
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(module, name, &existing))
    return true;
  WNDCLASSEXA info{};
  info.cbSize = sizeof info;
  info.lpfnWndProc = procedure;
  info.hInstance = module;
  info.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  info.lpszClassName = name;
  info.style = CS_DBLCLKS;
  return RegisterClassExA(&info) != 0;
}

class Win32Peer : public FormPeer {
 public:
  enum class Kind { Form, Panel, SpeedButton, Memo, StaticText, CheckBox };

  Win32Peer(TControl& control, Kind kind) : control_(control), kind_(kind) {}

  ~Win32Peer() override {
    if (HWND hwnd = hwnd_.get()) {
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      hint_.reset();  // before the window that owns it
      if (oldProc_ != nullptr) {
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
      }
      hwnd_.reset();
    }
    // Succeeds only once no window of the class is left.
    if (className_ != nullptr)
      UnregisterClassA(className_, CodeModule());
  }

  // The window went with its parent's (its last message): nothing is left to undo on it.
  void WindowDestroyed() { hwnd_.release(); }

  bool Create() {
    const char* className = nullptr;
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
          className = "EDIT";
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
          className = "STATIC";
          style |= SS_NOPREFIX;
          style |= text.Alignment() == TAlignment::taCenter         ? SS_CENTER
                   : text.Alignment() == TAlignment::taRightJustify ? SS_RIGHT
                                                                    : SS_LEFT;
          break;
        }
        case Kind::CheckBox:
          className = "BUTTON";
          style |= BS_CHECKBOX;
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
    const std::string text = kind_ == Kind::Memo ? std::string() : control_.Caption();
    HWND hwnd = CreateWindowExA(exStyle, className, text.c_str(), style, control_.Left(),
                                control_.Top(), control_.Width(), control_.Height(), parent,
                                nullptr, CodeModule(), nullptr);
    if (hwnd == nullptr)
      return false;
    hwnd_ = UniqueHwnd(hwnd);
    // The peer rides in the window's user data: read on every message, which a window property
    // would cost a round trip to the window server for.
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (procedure == nullptr) {
      oldProc_ = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
    }
    if (kind_ != Kind::Form)
      PlaceAmongSiblings(hwnd);
    ApplyFont();
    if (kind_ == Kind::Memo)
      SetWindowTextA(hwnd, static_cast<TMemo&>(control_).Text().c_str());
    if (kind_ == Kind::CheckBox && static_cast<const TCheckBox&>(control_).Checked())
      SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
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
  void BoundsChanged() override {
    applying_ = true;
    SetWindowPos(hwnd_.get(), nullptr, control_.Left(), control_.Top(), control_.Width(),
                 control_.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    applying_ = false;
  }

  void VisibleChanged() override {
    if (kind_ == Kind::Form) {
      ShowWindow(hwnd_.get(), control_.Visible() ? SW_SHOW : SW_HIDE);
    } else {
      ShowWindow(hwnd_.get(), control_.Visible() ? SW_SHOWNA : SW_HIDE);
    }
  }

  void EnabledChanged() override {
    // A speed button stays a live window, so hover notices reach it while it is disabled.
    if (kind_ != Kind::SpeedButton)
      EnableWindow(hwnd_.get(), control_.Enabled() ? TRUE : FALSE);
    InvalidateRect(hwnd_.get(), nullptr, TRUE);
  }

  void TextChanged() override {
    if (kind_ == Kind::Memo) {
      SetWindowTextA(hwnd_.get(), static_cast<TMemo&>(control_).Text().c_str());
      return;
    }
    if (kind_ == Kind::CheckBox) {
      SendMessageA(hwnd_.get(), BM_SETCHECK,
                   static_cast<TCheckBox&>(control_).Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    if (kind_ != Kind::SpeedButton)
      SetWindowTextA(hwnd_.get(), control_.Caption().c_str());
  }

  void AppearanceChanged() override {
    ApplyFont();
    if (kind_ == Kind::Memo) {
      const auto& memo = static_cast<const TMemo&>(control_);
      SendMessageA(hwnd_.get(), EM_SETREADONLY, memo.ReadOnly() ? TRUE : FALSE, 0);
    }
    InvalidateRect(hwnd_.get(), nullptr, TRUE);
  }

  void Update() override { UpdateWindow(hwnd_.get()); }

  WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(hwnd_.get()); }

  // ---- FormPeer ----
  void BringToFront() override {
    if (!control_.Visible())
      return;
    // A window just shown is on top already; moving it there again costs a trip to the window
    // system.
    if (GetWindow(hwnd_.get(), GW_HWNDPREV) != nullptr)
      SetWindowPos(hwnd_.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(hwnd_.get());
  }

  void StyleChanged() override {
    if (kind_ != Kind::Form)
      return;
    auto& form = static_cast<TForm&>(control_);
    HWND hwnd = hwnd_.get();
    const DWORD style = FormStyle(form);
    const DWORD exStyle = FormExStyle(form);
    // A new frame costs a round trip to the window system: only when the frame did change.
    if (style != formStyle_ || exStyle != formExStyle_) {
      formStyle_ = style;
      formExStyle_ = exStyle;
      const LONG_PTR keep = GetWindowLongPtrA(hwnd, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED);
      SetWindowLongPtrA(hwnd, GWL_STYLE, static_cast<LONG_PTR>(style) | keep);
      SetWindowLongPtrA(hwnd, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
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
      SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
      SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
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
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
        if (form.UserKeyDown(static_cast<int>(wParam), KeyModifiers())) {
          message.Result = 0;  // the form may be gone now
          return;
        }
        break;
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
      case WM_CLOSE:
        // The system's close button hides the page; its owner decides when it goes.
        form.Close();
        message.Result = 0;
        return;
      case WM_WINDOWPOSCHANGED:
        if (!applying_ && !form.Loading() && !IsIconic(hwnd)) {
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
    message.Result = DefWindowProcA(hwnd, message.Msg, wParam, lParam);
  }

  static Win32Peer* FromHwnd(HWND hwnd) {
    return hwnd != nullptr ? reinterpret_cast<Win32Peer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA))
                           : nullptr;
  }

 private:
  static Win32Peer* FormPeerOf(const TControl& control) {
    TForm* form = control.ParentForm();
    return form != nullptr ? dynamic_cast<Win32Peer*>(form->Peer()) : nullptr;
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
        Win32Peer* child = FromHwnd(reinterpret_cast<HWND>(message.LParam));
        if (child == nullptr)
          return false;
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        SetTextColor(dc, ToColorRef(child->control_.Font().Color));
        SetBkColor(dc, ToColorRef(child->control_.EffectiveColor()));
        message.Result = reinterpret_cast<LRESULT>(child->Brush());
        return true;
      }
      case WM_COMMAND: {
        Win32Peer* child = FromHwnd(reinterpret_cast<HWND>(message.LParam));
        if (child == nullptr || HIWORD(message.WParam) != BN_CLICKED)
          return false;
        message.Result = 0;
        child->control_.UserClick();  // may destroy the page: nothing follows
        return true;
      }
      case WM_CONTEXTMENU: {
        Win32Peer* target = FromHwnd(reinterpret_cast<HWND>(message.WParam));
        TControl& control = target != nullptr ? target->control_ : control_;
        const POINT point = MessagePoint(static_cast<LPARAM>(message.LParam));
        message.Result = 0;
        return control.UserContextMenu(point.x, point.y);
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
    font_.reset(CreateFontA(
        font.Height, 0, 0, 0, (font.Style & fsBold) ? FW_BOLD : FW_NORMAL,
        (font.Style & fsItalic) ? TRUE : FALSE, (font.Style & fsUnderline) ? TRUE : FALSE,
        (font.Style & fsStrikeOut) ? TRUE : FALSE, static_cast<BYTE>(font.Charset),
        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
        font.Name.c_str()));
    SendMessageA(hwnd_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
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
      DrawTextA(buffer.get(), panel.Caption().c_str(), -1, &rect,
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
    if (entering || wantHover) {
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
        TrackPointer(msg);  // may destroy the page
        return 0;
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
              button.UserClick();  // may destroy the page
          }
          return 0;
        default:
          break;
      }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  }

  // Messages of subclassed system controls: shortcuts, the pop-up menu, hover and cursor.
  LRESULT OnSubclassMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = hwnd_.get();
    const WNDPROC old = oldProc_;
    const auto token = control_.LifeToken();
    DropHintOnClick(msg);
    switch (msg) {
      case WM_DESTROY:
        // Wine's multi-line edit control keeps its text's line layout when destroyed (about 600
        // bytes a window); emptied first, it lets it go.
        if (kind_ == Kind::Memo)
          CallWindowProcA(old, hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        break;
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
        if (TForm* form = control_.ParentForm()) {
          if (form->UserKeyDown(static_cast<int>(wParam), KeyModifiers()))
            return 0;
        }
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
        if (token.expired())
          return 0;
        break;
      default:
        break;
    }
    return CallWindowProcA(old, hwnd, msg, wParam, lParam);
  }

  static LRESULT CALLBACK OwnWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Win32Peer* peer = FromHwnd(hwnd);
    if (peer == nullptr)
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
      peer->WindowDestroyed();
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    try {
      return peer->OnMessage(msg, wParam, lParam);
    } catch (...) {
      return 0;  // nothing crosses into the system
    }
  }

  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Win32Peer* peer = FromHwnd(hwnd);
    if (peer == nullptr)
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
      const WNDPROC old = peer->oldProc_;
      peer->WindowDestroyed();
      return CallWindowProcA(old, hwnd, msg, wParam, lParam);
    }
    try {
      return peer->OnSubclassMessage(msg, wParam, lParam);
    } catch (...) {
      return 0;
    }
  }

  TControl& control_;
  Kind kind_;
  UniqueHwnd hwnd_;
  const char* className_ = nullptr;
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
    return nullptr;
  return peer;
}

std::unique_ptr<FormPeer> CreateFormPeer(TForm& form) {
  auto peer = std::make_unique<Win32Peer>(form, Win32Peer::Kind::Form);
  if (!peer->Create())
    return nullptr;
  return peer;
}

FrameSize FormFrameSize(const TForm& form) {
  RECT rect{0, 0, 0, 0};
  AdjustWindowRectEx(&rect, FormStyle(form), FALSE, FormExStyle(form));
  return FrameSize{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace pelk
