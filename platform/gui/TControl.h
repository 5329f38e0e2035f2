#pragma once
#include <functional>
#include <memory>
#include <string>

#include "platform/gui/NotifyEvent.h"
#include "platform/gui/Peers.h"
#include "platform/gui/TComponent.h"
#include "platform/gui/TFont.h"

namespace pelk {

class TWinControl;
class TForm;
class TPopupMenu;

// A visible element of a page. Its state (bounds, flags, texts, colours, font) is the truth on
// every backend; the peer only mirrors it.
class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  // A resource puts a control inside a windowed control, which becomes its parent.
  static const char* PlacementRefusal(const TComponent& container, const TComponent& page);
  void PlaceIn(TComponent& container) override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  TForm* ParentForm() const;  // the form the control sits on (itself for a form)

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  virtual void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  virtual void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  // Places the control in its parent's client area; the distances to the anchored edges are
  // kept from now on.
  virtual void SetBounds(int left, int top, int width, int height);

  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  // The system or another program showed or hid the control's window: the state follows, and
  // the window is left as it is.
  virtual void WindowVisibilityChanged(bool visible);
  bool Showing() const;  // visible, and so are all parents

  const std::string& Caption() const { return caption_; }
  virtual void SetCaption(const std::string& caption);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool parent);
  bool EffectiveShowHint() const;

  // What screen readers hear of the control: its role and its name ("" leaves the name to the
  // system, which reads the window's text).
  virtual TAccessibleRole AccessibleRole() const { return TAccessibleRole::System; }
  virtual std::string AccessibleName() const { return accessibleName_; }
  void SetAccessibleName(const std::string& name) { accessibleName_ = name; }

  TCursor Cursor() const { return cursor_; }
  virtual void SetCursor(TCursor cursor);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors anchors);
  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool parent);
  TColor EffectiveColor() const;

  const TFont& Font() const;  // own font, or the parent's while ParentFont
  void SetFont(const TFont& font);
  void SetFontName(const std::string& name);
  void SetFontHeight(int height);
  void SetFontColor(TColor color);
  void SetFontStyle(unsigned style);
  void SetFontCharset(int charset);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parent);

  // Called by the parent when its font or colour changed.
  void ParentFontChanged() {
    if (parentFont_)
      FontChanged();
  }
  void ParentColorChanged() {
    if (parentColor_)
      ColorChanged();
  }

  bool Ctl3D() const;
  void SetCtl3D(bool ctl3D);
  void SetParentCtl3D(bool parent);

  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);
  void Notification(TComponent* component, TOperation operation) override;

  const TNotifyEvent& OnClick() const { return onClick_; }
  void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }
  // Runs the click event.
  virtual void Click();

  // Message handling: WndProc dispatches the library's messages to their handlers and passes
  // the rest on to DefaultHandler.
  virtual void WndProc(TMessage& message);
  std::intptr_t Perform(std::uint32_t message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
  bool MouseInControl() const { return mouseInControl_; }

  // Real input, from a native peer or the headless test driver. Errors raised by the handlers
  // are reported by the form and do not leave these calls; the control may be gone afterwards
  // (check LifeToken).
  virtual void UserClick();
  void UserMouseEnter();
  void UserMouseLeave();
  // A right click at a screen position: the nearest pop-up menu up the parent chain opens.
  // False when there is none.
  bool UserContextMenu(int screenX, int screenY);

  // Scales bounds and own font by multiplier / divisor (rounded as MulDiv does).
  virtual void ChangeScale(int multiplier, int divisor);
  void Invalidate();
  virtual void Refresh();
  // Ends reading from a form: a window that exists already gets the bounds read in one move,
  // not one per property.
  void FinishLoading();

  ControlPeer* Peer() const { return peer_.get(); }
  WindowHandle Handle() const { return peer_ ? peer_->Handle() : 0; }
  virtual bool HandleAllocated() const { return peer_ != nullptr; }
  virtual void CreateHandle();
  virtual void DestroyHandle();

  // Anchor bookkeeping used by the parent's layout.
  void ApplyAnchors(int parentWidth, int parentHeight);
  void RecordAnchors();

 protected:
  virtual void CMMouseEnter(TMessage& message);
  virtual void CMMouseLeave(TMessage& message);
  virtual void DefaultHandler(TMessage& message);
  // Runs f with the form's error reporting around it.
  void Guarded(const std::function<void()>& f);
  void ReportError(const char* what);
  virtual void FontChanged();
  virtual void ColorChanged();
  void PlaceBounds(int left, int top, int width, int height);  // no anchor recording
  virtual void BoundsChanged(int oldWidth, int oldHeight);

  std::unique_ptr<ControlPeer> peer_;

 private:
  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  int anchorRight_ = 0;   // distance of the right edge to the parent's right edge
  int anchorBottom_ = 0;  // same for the bottom
  bool enabled_ = true;
  bool visible_ = true;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  bool mouseInControl_ = false;
  TCursor cursor_ = crDefault;
  TAnchors anchors_ = akLeft | akTop;
  TAlign align_ = TAlign::alNone;
  std::string caption_;
  std::string hint_;
  std::string accessibleName_;
  TColor color_ = clBtnFace;
  bool parentColor_ = true;
  TFont font_;
  bool parentFont_ = true;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
  TPopupMenu* popupMenu_ = nullptr;
  TNotifyEvent onClick_;
};

int MulDiv(int value, int multiplier, int divisor);

}  // namespace pelk
