#pragma once
#include <string>

#include "platform/gui/Peers.h"
#include "platform/gui/TFont.h"
#include "platform/gui/TForm.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/WindowsApi.h"

namespace pelk {

class Win32HintWindow;

// COLORREF of a control colour; system colours (top bit set) are looked up.
COLORREF ToColorRef(TColor color);
// The system cursor for the control's Cursor, now.
void ApplyCursor(const TControl& control);
void SetText(HWND hwnd, const std::string& text);
// The modifier keys held down now (scShift, scCtrl, scAlt).
TShortCut KeyModifiersNow();

// The native window of one control: a window of a class of the library's own, or a system
// control (edit, static, button) subclassed by the library. The C++ control keeps the state; the
// peer mirrors it into its window and turns real input into the same calls the headless driver
// makes. What every kind shares lives here (the window's handle and procedure, font, brush,
// pointer tracking, hints, following what others do to the window); each kind adds what is its
// own in a class of its own (Win32PeerTable.cpp lists them by control class).
//
// No exception leaves a window procedure. Every message enters the page's code under the form's
// dispatch scope, which keeps the page and its peers alive until the message is done; every call
// looks for its window first, since someone else may have destroyed it.
class Win32WindowPeer : public ControlPeer {
 public:
  explicit Win32WindowPeer(TControl& control);
  ~Win32WindowPeer() override;
  Win32WindowPeer(const Win32WindowPeer&) = delete;
  Win32WindowPeer& operator=(const Win32WindowPeer&) = delete;

  // Makes the window; false when the system refused.
  bool Create();

  void BoundsChanged() override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void TextChanged() override;
  void StateChanged() override {}  // most kinds have no state of their own to show
  void AppearanceChanged() override;
  void CursorChanged() override;
  void Update() override;
  void TakeFocus() override;
  WindowHandle Handle() const override;

  // The peer of one of this library's own windows.
  static Win32WindowPeer* FromHwnd(HWND hwnd);
  // The procedure of the library's own window classes (Win32WindowClasses).
  static LRESULT CALLBACK OwnWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

 protected:
  // What a kind's window is made of.
  struct WindowClass {
    const wchar_t* name;
    bool own;  // a class of the library's own (Win32WindowClasses); otherwise a system class,
               // subclassed
  };
  virtual WindowClass Class() const = 0;
  virtual DWORD Style() const;  // a child window's, visible and enabled as the control is
  virtual DWORD ExStyle() const { return 0; }
  virtual HWND ParentWindow() const;
  // The text the window is made with.
  virtual std::string InitialText() const { return control_.Caption(); }
  // Runs once the window is made and knows its peer.
  virtual void Made() {}
  virtual bool UsesFont() const { return true; }
  // The window is gone: destroyed with its parent's, by its owner, or by another program.
  virtual void WindowGone() { static_cast<void>(hwnd_.release()); }
  // The library destroys this window, and those inside it, itself.
  void EndingByLibrary();

  // Messages of an own-class window: what all such windows share, then OnOwnMessage.
  virtual LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // Messages of an own-class window and of a subclassed system control, after what all share.
  virtual LRESULT OnOwnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnSystemMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  virtual void Paint(HDC) {}

  // Notifications that child windows send their parent; true when handled.
  bool HandleChildMessage(TMessage& message);
  // Someone showed or hid the window: unless it was this peer, the control's state follows.
  void FollowVisibility(LPARAM windowPosition);
  HBRUSH Brush();
  void ApplyFont();
  HWND Window() const { return hwnd_.get(); }
  Win32WindowPeer* OwnWindowPeer(HWND hwnd) const;

  // Marks the peer as moving, sizing or showing its window itself while it lives, so that what
  // the window then reports is not taken for someone else's doing. The mark is cleared on the
  // way out, an exception's way included.
  class Applying {
   public:
    explicit Applying(Win32WindowPeer& peer) : peer_(peer) { peer_.applying_ = true; }
    ~Applying() { peer_.applying_ = false; }
    Applying(const Applying&) = delete;
    Applying& operator=(const Applying&) = delete;

   private:
    Win32WindowPeer& peer_;
  };

  TControl& control_;
  TForm* form_;  // whose dispatch scope covers this window's messages
  UniqueHwnd hwnd_;
  bool applying_ = false;  // the peer moves, sizes or shows the window itself: see Applying

 private:
  bool EndIsReal(HWND hwnd, UINT msg);
  void PlaceAmongSiblings(HWND hwnd);
  Win32HintWindow* FormHint(bool make) const;
  void DropHintOnClick(UINT msg);
  void TrackPointer(UINT msg);
  bool AnswerCommon(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  LRESULT OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  using MessageHandler = LRESULT (Win32WindowPeer::*)(HWND, UINT, WPARAM, LPARAM);
  static LRESULT Enter(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, MessageHandler handler);
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  HWND made_ = nullptr;  // the window as made, owned by hwnd_ until it is gone
  bool endedByLibrary_ = false;
  bool destroyReceived_ = false;  // the system's WM_DESTROY came
  WNDPROC oldProc_ = nullptr;     // a subclassed system control's own procedure
  UniqueFont font_;
  TFont fontKey_;
  UniqueBrush brush_;
  COLORREF brushColor_ = 0;
  bool tracking_ = false;
  bool awaitingHover_ = false;  // a hover notice is asked for
  bool hintDone_ = false;       // shown or clicked away since the pointer came
};

// The form peer's part that the controls' peers reach: the form's one hint window.
class Win32HintHost {
 public:
  virtual ~Win32HintHost() = default;
  // Made on the first hint; none while the form has no window.
  virtual Win32HintWindow* Hints(bool make) = 0;
};

}  // namespace pelk
