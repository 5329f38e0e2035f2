#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/WindowMessages.h"
#include "platform/gui/GuiContext.h"
#include "platform/gui/TWinControl.h"

namespace pelk {

class TPopupMenu;

// A top-level window built from form resources. Left, Top, Width and Height are those of the
// whole window, frame included; ClientWidth and ClientHeight those of the area inside. The form
// and its controls get their windows when the form is first shown.
//
// Create forms with CreateForm<T>(...): it constructs T, then reads the form resources of T's
// classes from the library's upwards, binds the component fields and runs the create event.
//
// Lifetime. The form's code runs on behalf of the system (window procedures, real input) and of
// its owner, and much of it sends messages to other windows or runs a modal loop, where anyone
// may let the form go. Every such entry holds a DispatchScope; a form let go with Release while
// a scope is open is taken off the screen at once and deleted when the outermost scope closes.
// So nothing of a form is freed while its code is on the stack, however deep the nesting.
class TForm : public TWinControl, public MessageTarget {
 public:
  class DispatchScope {
   public:
    explicit DispatchScope(TForm* form) : form_(form) {
      if (form_ != nullptr)
        ++form_->dispatchDepth_;
    }
    ~DispatchScope();
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;

   private:
    TForm* form_;
  };

  // Deletes the form now, or, while its code runs, takes its windows away now and deletes it
  // once that code has returned. From then on it is Released.
  static void Release(std::unique_ptr<TForm> form) noexcept;
  // Let go by its owner: it makes no windows and its life token has expired.
  bool Released() const { return released_; }

  TForm(GuiContext context, TComponent* owner = nullptr);
  ~TForm() override;
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  GuiContext& Context() { return context_; }

  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetClientWidth(int width);
  void SetClientHeight(int height);
  FrameSize Frame() const;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  // Name of the icon resource shown in the caption bar.
  const std::string& Icon() const { return icon_; }
  void SetIcon(const std::string& resourceName);
  bool OldCreateOrder() const { return oldCreateOrder_; }
  void SetOldCreateOrder(bool old) { oldCreateOrder_ = old; }
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int ppi) { pixelsPerInch_ = ppi; }
  int TextHeight() const { return textHeight_; }
  void SetTextHeight(int height) { textHeight_ = height; }

  void SetOnCreate(TNotifyEvent handler) { onCreate_ = std::move(handler); }
  void SetOnShow(TNotifyEvent handler) { onShow_ = std::move(handler); }

  // Becoming visible runs the show event first, also when another program showed the window.
  void SetVisible(bool visible) override;
  void WindowVisibilityChanged(bool visible) override;
  // The window was destroyed by someone else: the form is hidden and makes no new one.
  void WindowDestroyed();
  // Visible and in front of the other windows.
  void Show();
  void Hide() { SetVisible(false); }
  // Hides the form.
  void Close();
  void BringToFront();
  // Scales the client size, every control's bounds and the fonts by multiplier / divisor;
  // the window keeps its position. A zero or negative factor changes nothing.
  void ScaleBy(int multiplier, int divisor);
  void Refresh() override;
  // The system's window metrics changed: the frame is measured again and the controls follow
  // the client area that results.
  void FrameMetricsChanged();

  // Every message from the system, a broadcast or Perform comes through here: errors are
  // reported and go no further.
  std::intptr_t ReceiveMessage(std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override;
  // A key pressed while the form (`from` null) or one of its controls has the focus: Tab and
  // Shift+Tab move the focus along the tab order, another key runs the menu entry with that
  // shortcut. True when the key did either.
  bool UserKeyDown(int key, TShortCut modifiers = 0, const TControl* from = nullptr);
  // The tab stop the user can reach after `from` in the tab order (before it, backwards), the
  // controls inside a windowed control following it, round to the start; from null (or a
  // control outside the order) the first (last). Null when the form has none.
  TWinControl* NextTabStop(const TControl* from, bool forward) const;

  // Reads one more form resource on top of what the form holds (tests, tools).
  void ReadFormText(std::string_view text, std::string_view resourceName);
  // Reads the resources of the form's classes, binds the fields and runs the create event.
  void LoadFromResources();

 protected:
  void DefaultHandler(TMessage& message) override;
  void CreateOwnHandle() override;
  void DestroyHandle() override;
  virtual void DoCreate();
  virtual void DoShow();

 private:
  void FinishReading();
  void BindFields();

  GuiContext context_;
  FormPeer* formPeer_ = nullptr;            // peer_, seen as a form's
  mutable std::optional<FrameSize> frame_;  // measured for the current border
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  std::string icon_;
  bool oldCreateOrder_ = false;
  int pixelsPerInch_ = 96;
  int textHeight_ = 13;
  TNotifyEvent onCreate_;
  TNotifyEvent onShow_;
  int dispatchDepth_ = 0;
  bool released_ = false;
};

template <class T, class... Args>
std::unique_ptr<T> CreateForm(Args&&... args) {
  auto form = std::make_unique<T>(std::forward<Args>(args)...);
  form->LoadFromResources();
  return form;
}

}  // namespace pelk
