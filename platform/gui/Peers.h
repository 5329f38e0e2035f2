#pragma once
#include <memory>

#include "platform/WindowHandle.h"
#include "platform/gui/GuiTypes.h"

namespace pelk {

class TControl;
class TForm;
class TPopupMenu;
class FormPeer;

// The native side of a control: mirrors the control's state and feeds real input back to it.
// The native build has none; each backend implements the factories below.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void BoundsChanged() = 0;
  virtual void VisibleChanged() = 0;
  virtual void EnabledChanged() = 0;
  virtual void TextChanged() = 0;        // caption, hint, lines
  virtual void StateChanged() = 0;       // a check box's check
  virtual void AppearanceChanged() = 0;  // font, colour, glyph, border: repaint
  virtual void ZOrderChanged() {}
  virtual void CursorChanged() {}  // shows at once while the pointer is over the control
  virtual void Update() {}         // paint what is invalid now
  virtual void TakeFocus() {}      // the keyboard goes to the control
  virtual WindowHandle Handle() const = 0;
  // The form-only part of a form's peer; none for a control's.
  virtual FormPeer* AsFormPeer() { return nullptr; }
};

// What a form's peer does beyond a control's (ControlPeer::AsFormPeer of the same object).
class FormPeer {
 public:
  virtual ~FormPeer() = default;
  // Makes the window, once the form holds the peer; false when the system refused.
  virtual bool MakeWindow() = 0;
  virtual void BringToFront() = 0;
  virtual void StyleChanged() = 0;  // border, icons, icon resource
  // The default processing of a message the library did not handle (DefWindowProc).
  virtual void DefaultProcessing(TMessage& message) = 0;
  // Takes the window and its children off the screen now; the peers stay, windowless, until
  // their controls go.
  virtual void DestroyWindow() = 0;
  // The modifier keys held down now (scShift, scCtrl, scAlt).
  virtual TShortCut KeyModifiers() const = 0;
};

// Size of the frame around a form's client area: client width + FrameX = window width.
struct FrameSize {
  int X = 0;
  int Y = 0;
};

// The peer of a control with its window made; raises EOutOfResources when the system refuses it.
std::unique_ptr<ControlPeer> CreateControlPeer(TControl& control);
// The peer of a form, its window not made yet (FormPeer::MakeWindow).
std::unique_ptr<ControlPeer> CreateFormPeer(TForm& form);
FrameSize FormFrameSize(const TForm& form);
// Shows the menu at screen position (x, y) and runs the chosen item; returns at once where
// there is no screen.
void ShowPopupMenu(TPopupMenu& menu, int x, int y);

}  // namespace pelk
