// The messages of the peers' windows: how every message enters the page's code, what all own
// windows and all subclassed system controls share (pointer, hints, cursor, keys, the pop-up
// menu, others showing or hiding the window), and the notifications child windows send.
#include "platform/gui/TWinControl.h"
#include "platform/win32/Win32Accessible.h"
#include "platform/win32/Win32HintWindow.h"
#include "platform/win32/Win32WindowPeer.h"

namespace pelk {

namespace {

POINT MessagePoint(LPARAM lParam) {
  POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (lParam == -1)
    GetCursorPos(&point);  // from the keyboard
  return point;
}

const TControl* FindByWindow(const TControl& control, HWND hwnd) {
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

}  // namespace

// The peer behind `hwnd` when it is the form's own window or one of its controls' windows.
// Window handles in messages come from anywhere: any program may send them, and a window outside
// the form may carry anything in its user data. None is taken as a peer on its word.
Win32WindowPeer* Win32WindowPeer::OwnWindowPeer(HWND hwnd) const {
  if (hwnd == nullptr || form_ == nullptr)
    return nullptr;
  const TControl* found = FindByWindow(*form_, hwnd);
  return found != nullptr ? dynamic_cast<Win32WindowPeer*>(found->Peer()) : nullptr;
}

bool Win32WindowPeer::HandleChildMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: {
      Win32WindowPeer* child = OwnWindowPeer(reinterpret_cast<HWND>(message.LParam));
      if (child == nullptr)
        return false;
      HDC dc = reinterpret_cast<HDC>(message.WParam);
      SetTextColor(dc, ToColorRef(child->control_.Font().Color));
      SetBkColor(dc, ToColorRef(child->control_.EffectiveColor()));
      message.Result = reinterpret_cast<LRESULT>(child->Brush());
      return true;
    }
    case WM_COMMAND: {
      Win32WindowPeer* child = OwnWindowPeer(reinterpret_cast<HWND>(message.LParam));
      if (child == nullptr || HIWORD(message.WParam) != BN_CLICKED)
        return false;
      message.Result = 0;
      child->control_.UserClick();
      return true;
    }
    case WM_CONTEXTMENU: {
      // The window the user clicked: one of the page's, or the request is not the page's.
      Win32WindowPeer* target = OwnWindowPeer(reinterpret_cast<HWND>(message.WParam));
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

void Win32WindowPeer::FollowVisibility(LPARAM windowPosition) {
  const auto* position = reinterpret_cast<const WINDOWPOS*>(windowPosition);
  if (applying_ || position == nullptr)
    return;
  if ((position->flags & SWP_SHOWWINDOW) != 0) {
    control_.WindowVisibilityChanged(true);
  } else if ((position->flags & SWP_HIDEWINDOW) != 0) {
    control_.WindowVisibilityChanged(false);
  }
}

Win32HintWindow* Win32WindowPeer::FormHint(bool make) const {
  auto* host = form_ != nullptr ? dynamic_cast<Win32HintHost*>(form_->Peer()) : nullptr;
  return host != nullptr ? host->Hints(make) : nullptr;
}

// A click takes the hint away; it comes back only after the pointer left the control.
void Win32WindowPeer::DropHintOnClick(UINT msg) {
  if (msg != WM_LBUTTONDOWN && msg != WM_RBUTTONDOWN && msg != WM_MBUTTONDOWN)
    return;
  hintDone_ = true;
  if (Win32HintWindow* hint = FormHint(false))
    hint->Hide();
}

// The pointer's first move onto the window and its leaving become the library's enter and leave
// notices. The control's hint shows when the system says the pointer rests on it, and goes when
// it leaves or clicks. Every move looks at the hint again, since it may have been set meanwhile.
void Win32WindowPeer::TrackPointer(UINT msg) {
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
                          static_cast<DWORD>(TME_LEAVE | (wantHover ? TME_HOVER : 0)), hwnd_.get(),
                          HOVER_DEFAULT};
    TrackMouseEvent(&track);
    tracking_ = true;
    awaitingHover_ = awaitingHover_ || wantHover;
  }
  if (entering)
    control_.UserMouseEnter();
}

// What own windows and subclassed system controls answer alike: another program showing or hiding
// the window (which the default processing then sees too), a screen reader asking for it, a click
// taking the hint away. True when answered.
bool Win32WindowPeer::AnswerCommon(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                   LRESULT& result) {
  DropHintOnClick(msg);
  if (msg == WM_WINDOWPOSCHANGED)
    FollowVisibility(lParam);
  return msg == WM_GETOBJECT && AnswerGetObject(control_, hwnd, wParam, lParam, result);
}

LRESULT Win32WindowPeer::OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT answer = 0;
  if (AnswerCommon(hwnd, msg, wParam, lParam, answer))
    return answer;
  TMessage message{msg, wParam, lParam, 0};
  if (HandleChildMessage(message))
    return message.Result;
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintDc paint(hwnd);
      Paint(paint.get());
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
    default:
      break;
  }
  return OnOwnMessage(hwnd, msg, wParam, lParam);
}

LRESULT Win32WindowPeer::OnOwnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// Messages of subclassed system controls: the keyboard (Tab along the tab order, shortcuts), the
// pop-up menu, hover and cursor. The host's message loop knows nothing of the page, so the
// controls walk the tab order themselves; a loop that does ask them (IsDialogMessage) leaves
// Tab to them too.
LRESULT Win32WindowPeer::OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT answer = 0;
  if (AnswerCommon(hwnd, msg, wParam, lParam, answer))
    return answer;
  switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (form_ != nullptr &&
          form_->UserKeyDown(static_cast<int>(wParam), KeyModifiersNow(), &control_))
        return 0;
      break;
    case WM_CHAR:
      if (wParam == '\t')
        return 0;  // the key down moved the focus
      break;
    case WM_GETDLGCODE:
      return OnSystemMessage(hwnd, msg, wParam, lParam) | DLGC_WANTTAB;
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
    default:
      break;
  }
  return OnSystemMessage(hwnd, msg, wParam, lParam);
}

LRESULT Win32WindowPeer::OnSystemMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(oldProc_, hwnd, msg, wParam, lParam);
}

void Win32WindowPeer::EndingByLibrary() {
  endedByLibrary_ = true;
  if (const auto* container = dynamic_cast<const TWinControl*>(&control_)) {
    for (int i = 0; i < container->ControlCount(); ++i) {
      if (auto* child = dynamic_cast<Win32WindowPeer*>(container->Controls(i)->Peer()))
        child->EndingByLibrary();
    }
  }
}

// Any program can send or post WM_DESTROY and WM_NCDESTROY; only the window's destruction ends
// its peer. DestroyWindow, whether the library's or its host's, runs on the window's own thread
// and hides the window first; it tells WM_DESTROY, and WM_NCDESTROY once the children are gone.
// A message from another thread, or about a window on the screen, only claims an end.
bool Win32WindowPeer::EndIsReal(HWND hwnd, UINT msg) {
  if (!endedByLibrary_ && (InSendMessage() || IsWindowVisible(hwnd)))
    return false;
  if (msg == WM_DESTROY) {
    destroyReceived_ = true;
    return true;
  }
  return destroyReceived_ && GetWindow(hwnd, GW_CHILD) == nullptr;
}

// Every message of the library's windows enters the page's code here, whichever procedure the
// window has. The form's dispatch scope keeps the page (and this peer) alive until the message is
// done, whatever the handlers set off: a page let go meanwhile has lost its windows and is deleted
// when the scope closes.
LRESULT Win32WindowPeer::Enter(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                               MessageHandler handler) {
  Win32WindowPeer* peer = FromHwnd(hwnd);
  if (peer == nullptr)
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_DESTROY || msg == WM_NCDESTROY) {
    if (!peer->EndIsReal(hwnd, msg))
      return 0;  // the window lives on, and so does its peer
    if (msg == WM_NCDESTROY) {
      // A subclassed control's own procedure has the last word; the peer may not outlive this.
      const WNDPROC old = peer->oldProc_;
      peer->WindowGone();
      return old != nullptr ? CallWindowProcW(old, hwnd, msg, wParam, lParam)
                            : DefWindowProcW(hwnd, msg, wParam, lParam);
    }
  }
  const TForm::DispatchScope scope(peer->form_);
  try {
    return (peer->*handler)(hwnd, msg, wParam, lParam);
  } catch (...) {
    return 0;  // nothing crosses into the system
  }
}

LRESULT CALLBACK Win32WindowPeer::OwnWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return Enter(hwnd, msg, wParam, lParam, &Win32WindowPeer::OnMessage);
}

LRESULT CALLBACK Win32WindowPeer::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return Enter(hwnd, msg, wParam, lParam, &Win32WindowPeer::OnSubclassMessage);
}

}  // namespace pelk
