// The native build makes no windows: controls keep their state and a test driver raises the
// events that real input would. A test that asks its desktop to record windows gets peers that
// stand for them: each is made when the Windows backend would make its window, answers a
// handle while that window exists, and writes every call it is told to the recording.
#include "platform/Exception.h"
#include "platform/gui/Peers.h"
#include "platform/gui/TForm.h"
#include "platform/gui/TSpeedButton.h"
#include "platform/headless/HeadlessDesktop.h"

namespace pelk {

namespace {

class RecordedPeer final : public ControlPeer, public FormPeer {
 public:
  RecordedPeer(TControl& control, WindowRecording& recording, bool form)
      : control_(control), recording_(recording), form_(form) {}
  ~RecordedPeer() override { recording_.Destroy(window_, control_); }
  RecordedPeer(const RecordedPeer&) = delete;
  RecordedPeer& operator=(const RecordedPeer&) = delete;

  bool Make() {
    const TWinControl* parent = control_.Parent();
    window_ = recording_.Make(control_, parent != nullptr ? parent->Handle() : 0);
    return window_ != 0;
  }

  void BoundsChanged() override {
    Record("bounds", " " + std::to_string(control_.Left()) + "," + std::to_string(control_.Top()) +
                         "," + std::to_string(control_.Width()) + "," +
                         std::to_string(control_.Height()));
  }
  void VisibleChanged() override { Record(control_.Visible() ? "show" : "hide"); }
  void EnabledChanged() override { Record(control_.Enabled() ? "enable" : "disable"); }
  void TextChanged() override { Record("text"); }
  void StateChanged() override { Record("state"); }
  void AppearanceChanged() override { Record("repaint"); }
  void ZOrderChanged() override { Record("zorder"); }
  void CursorChanged() override { Record("cursor"); }
  void Update() override { Record("update"); }
  void TakeFocus() override { Record("focus"); }
  WindowHandle Handle() const override { return recording_.Exists(window_) ? window_ : 0; }
  FormPeer* AsFormPeer() override { return form_ ? this : nullptr; }

  bool MakeWindow() override { return Make(); }
  void BringToFront() override { Record("front"); }
  void StyleChanged() override { Record("style"); }
  void DefaultProcessing(TMessage& message) override { message.Result = 0; }
  void DestroyWindow() override { recording_.Destroy(window_, control_); }
  TShortCut KeyModifiers() const override { return 0; }

 private:
  void Record(const char* call, const std::string& detail = std::string()) {
    recording_.Record(window_, call + (" " + RecordedName(control_)) + detail);
  }

  TControl& control_;
  WindowRecording& recording_;
  bool form_;
  WindowHandle window_ = 0;
};

WindowRecording* RecordingOf(TForm& form) {
  auto* desktop = dynamic_cast<HeadlessDesktop*>(&form.Context().messages);
  return desktop != nullptr ? desktop->Recording() : nullptr;
}

}  // namespace

std::unique_ptr<ControlPeer> CreateControlPeer(TControl& control) {
  TForm* form = control.ParentForm();
  WindowRecording* recording = form != nullptr ? RecordingOf(*form) : nullptr;
  // The controls that have a window on Windows.
  const bool windowed = dynamic_cast<TWinControl*>(&control) != nullptr ||
                        dynamic_cast<TSpeedButton*>(&control) != nullptr;
  if (recording == nullptr || !windowed)
    return nullptr;
  auto peer = std::make_unique<RecordedPeer>(control, *recording, false);
  if (!peer->Make())
    throw EOutOfResources("The window of " + control.Name() + " could not be made");
  return peer;
}

std::unique_ptr<ControlPeer> CreateFormPeer(TForm& form) {
  WindowRecording* recording = RecordingOf(form);
  if (recording == nullptr)
    return nullptr;
  return std::make_unique<RecordedPeer>(form, *recording, true);
}

// The frame of a Windows 2000 style window at 96 pixels per inch: 3-pixel fixed border (4
// when sizeable) and an 18-pixel caption with its 1-pixel edge.
FrameSize FormFrameSize(const TForm& form) {
  switch (form.BorderStyle()) {
    case TFormBorderStyle::bsNone:
      return {0, 0};
    case TFormBorderStyle::bsSizeable:
      return {8, 27};
    case TFormBorderStyle::bsToolWindow:
      return {6, 22};
    case TFormBorderStyle::bsSizeToolWin:
      return {8, 24};
    default:
      return {6, 25};
  }
}

void ShowPopupMenu(TPopupMenu&, int, int) {}

}  // namespace pelk
