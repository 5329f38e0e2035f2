#include "platform/gui/TForm.h"

#include <algorithm>
#include <vector>

#include "platform/Exception.h"
#include "platform/Resources.h"
#include "platform/gui/FormReader.h"
#include "platform/gui/GuardedCall.h"
#include "platform/gui/PropertyNames.h"
#include "platform/gui/StockClasses.h"
#include "platform/gui/TMenu.h"

namespace pelk {

const ClassInfo& TForm::StaticClass() {
  static const ClassInfo info{
      "TForm",
      &TWinControl::StaticClass(),
      nullptr,
      {Property<&TForm::SetBorderIcons>("BorderIcons", BorderIconNames()),
       Property<&TForm::SetBorderStyle>("BorderStyle", BorderStyleNames()),
       Property<&TForm::SetClientHeight>("ClientHeight"),
       Property<&TForm::SetClientWidth>("ClientWidth"), Property<&TForm::SetIcon>("Icon"),
       Property<&TForm::SetOldCreateOrder>("OldCreateOrder"),
       Property<&TForm::SetPixelsPerInch>("PixelsPerInch"),
       Property<&TForm::SetTextHeight>("TextHeight"), Property<&TForm::SetOnCreate>("OnCreate"),
       Property<&TForm::SetOnShow>("OnShow")},
      {},
      {},
      kStockClasses};
  return info;
}

TForm::TForm(GuiContext context, TComponent* owner) : TWinControl(owner), context_(context) {
  TControl::SetVisible(false);
  context_.messages.AddTopLevel(*this);
}

TForm::~TForm() {
  context_.messages.RemoveTopLevel(*this);
  // One call takes the window off the screen and its child windows with it; the controls then
  // find their windows gone and have none to destroy one by one.
  peer_.reset();
  formPeer_ = nullptr;
  TControl::SetVisible(false);
  DestroyComponents();
  DestroyHandle();
}

TForm::DispatchScope::~DispatchScope() {
  if (form_ != nullptr && --form_->dispatchDepth_ == 0 && form_->released_)
    delete form_;
}

void TForm::Release(std::unique_ptr<TForm> form) noexcept {
  if (!form)
    return;
  if (form->dispatchDepth_ == 0)
    return;  // deleted on leaving
  TForm* held = form.release();
  held->released_ = true;
  held->ExpireLifeToken();
  if (held->formPeer_ != nullptr)
    held->formPeer_->DestroyWindow();
}

void TForm::CreateOwnHandle() {
  if (peer_ || released_)
    return;
  auto peer = CreateFormPeer(*this);
  if (!peer)
    return;  // a backend without windows
  // Known to the form before its window exists: the messages the window gets while it is made
  // (the icon among them) come through the form to the peer's default processing.
  formPeer_ = peer->AsFormPeer();
  peer_ = std::move(peer);
  if (!formPeer_->MakeWindow()) {
    peer_.reset();
    formPeer_ = nullptr;
    throw EOutOfResources("The window of " + Name() + " could not be made");
  }
}

void TForm::DestroyHandle() {
  TWinControl::DestroyHandle();
  formPeer_ = nullptr;
}

FrameSize TForm::Frame() const {
  // Every alignment pass asks for the client size, and asking the system is slow on some (under
  // Wine 0.14 ms a call on 2026-12-08, hundreds of calls a page): the frame is measured once per
  // style.
  if (!frame_)
    frame_ = FormFrameSize(*this);
  return *frame_;
}

int TForm::ClientWidth() const {
  return std::max(0, Width() - Frame().X);
}
int TForm::ClientHeight() const {
  return std::max(0, Height() - Frame().Y);
}

void TForm::SetClientWidth(int width) {
  SetBounds(Left(), Top(), std::clamp(width, 0, kMaxCoordinate) + Frame().X, Height());
}

void TForm::SetClientHeight(int height) {
  SetBounds(Left(), Top(), Width(), std::clamp(height, 0, kMaxCoordinate) + Frame().Y);
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (static_cast<int>(style) < 0 || style > TFormBorderStyle::bsSizeToolWin) {
    style = TFormBorderStyle::bsSizeable;
  }
  // The client area keeps its size when the frame changes.
  const int clientWidth = ClientWidth();
  const int clientHeight = ClientHeight();
  borderStyle_ = style;
  frame_.reset();
  if (formPeer_ && !Loading())
    formPeer_->StyleChanged();
  SetBounds(Left(), Top(), clientWidth + Frame().X, clientHeight + Frame().Y);
}

void TForm::SetBorderIcons(TBorderIcons icons) {
  borderIcons_ = icons & (biSystemMenu | biMinimize | biMaximize | biHelp);
  frame_.reset();
  if (formPeer_ && !Loading())
    formPeer_->StyleChanged();
}

void TForm::SetIcon(const std::string& resourceName) {
  icon_ = resourceName;
  if (formPeer_ && !Loading())
    formPeer_->StyleChanged();
}

void TForm::SetVisible(bool visible) {
  if (visible && !Visible()) {
    DoShow();
    // The windows are made when the form first shows: with the bounds, caption and texts its
    // owner and its show event gave it by then, none is moved or redrawn afterwards.
    if (!HandleAllocated())
      CreateHandle();
  }
  TWinControl::SetVisible(visible);
}

void TForm::WindowVisibilityChanged(bool visible) {
  if (visible && !Visible())
    DoShow();
  TWinControl::WindowVisibilityChanged(visible);
}

void TForm::WindowDestroyed() {
  TWinControl::WindowVisibilityChanged(false);
}

void TForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TForm::Close() {
  Hide();
}

void TForm::BringToFront() {
  if (formPeer_)
    formPeer_->BringToFront();
}

void TForm::ScaleBy(int multiplier, int divisor) {
  if (multiplier <= 0 || divisor <= 0)
    return;
  DisableAlign();
  SetBounds(Left(), Top(), MulDiv(ClientWidth(), multiplier, divisor) + Frame().X,
            MulDiv(ClientHeight(), multiplier, divisor) + Frame().Y);
  SetFontHeight(MulDiv(Font().Height, multiplier, divisor));
  for (int i = 0; i < ControlCount(); ++i)
    Controls(i)->ChangeScale(multiplier, divisor);
  EnableAlign();
}

void TForm::FrameMetricsChanged() {
  frame_.reset();
  if (!Loading())
    Realign();
}

void TForm::Refresh() {
  TControl::Refresh();
  for (int i = 0; i < ControlCount(); ++i)
    Controls(i)->Refresh();
}

void TForm::DefaultHandler(TMessage& message) {
  switch (message.Msg) {
    case kMessageKeyDown:
    case kMessageSysKeyDown:
      if (UserKeyDown(static_cast<int>(message.WParam),
                      formPeer_ != nullptr ? formPeer_->KeyModifiers() : 0)) {
        message.Result = 0;  // the form may be let go by now
        return;
      }
      break;
    case kMessageClose:
      // The caption's close button hides the page; its owner decides when it goes.
      Close();
      message.Result = 0;
      return;
    default:
      break;
  }
  if (formPeer_ != nullptr) {
    formPeer_->DefaultProcessing(message);
  } else {
    message.Result = 0;
  }
}

std::intptr_t TForm::ReceiveMessage(std::uint32_t message, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
  return Perform(message, wParam, lParam);
}

namespace {
void CollectTabOrder(const TWinControl& container, std::vector<TWinControl*>& order) {
  for (TWinControl* control : container.TabList()) {
    order.push_back(control);
    CollectTabOrder(*control, order);
  }
}
}  // namespace

TWinControl* TForm::NextTabStop(const TControl* from, bool forward) const {
  std::vector<TWinControl*> order;
  CollectTabOrder(*this, order);
  const int count = static_cast<int>(order.size());
  int at = forward ? -1 : count;
  for (int i = 0; i < count; ++i) {
    if (order[static_cast<std::size_t>(i)] == from)
      at = i;
  }
  for (int step = 1; step <= count; ++step) {
    const int index = ((forward ? at + step : at - step) % count + count) % count;
    TWinControl* candidate = order[static_cast<std::size_t>(index)];
    if (candidate->CanTab())
      return candidate;
  }
  return nullptr;
}

bool TForm::UserKeyDown(int key, TShortCut modifiers, const TControl* from) {
  if (key == kVkTab && (modifiers & (scCtrl | scAlt)) == 0) {
    if (TWinControl* next = NextTabStop(from, (modifiers & scShift) == 0))
      next->SetFocus();
    return true;
  }
  const TShortCut shortCut = key | modifiers;
  TMenuItem* item = nullptr;
  if (PopupMenu() != nullptr)
    item = PopupMenu()->Items().FindShortCut(shortCut);
  for (int i = 0; i < ComponentCount() && item == nullptr; ++i) {
    if (auto* menu = dynamic_cast<TPopupMenu*>(Components(i))) {
      item = menu->Items().FindShortCut(shortCut);
    }
  }
  if (item == nullptr)
    return false;
  Guarded([item] { item->Click(); });  // may let the form go: nothing follows
  return true;
}

void TForm::ReadFormText(std::string_view text, std::string_view resourceName) {
  FormReader reader(*this, text, resourceName);
  try {
    reader.Read();
  } catch (...) {
    FinishReading();
    throw;
  }
  FinishReading();
}

void TForm::FinishReading() {
  // Bounds first: the frame change below must not read an outdated window rectangle.
  FinishLoading();
  if (formPeer_)
    formPeer_->StyleChanged();
  FixupTabList();
  for (int i = 0; i < ComponentCount(); ++i) {
    TComponent* component = Components(i);
    if (auto* control = dynamic_cast<TControl*>(component)) {
      control->FinishLoading();
    } else {
      component->SetLoading(false);
    }
    if (auto* windowed = dynamic_cast<TWinControl*>(component))
      windowed->FixupTabList();
  }
  Realign();
  if (HandleAllocated())
    CreateHandle();  // the windows of the controls just read
}

void TForm::LoadFromResources() {
  std::vector<const ClassInfo*> chain;
  for (const ClassInfo* info = &Class(); info != nullptr; info = info->parent) {
    chain.push_back(info);
  }
  std::reverse(chain.begin(), chain.end());
  for (const ClassInfo* info : chain) {
    if (info->resource != nullptr) {
      const auto data = FindResourceData(info->resource);
      if (!data)
        throw FormError(std::string("form resource ") + info->resource + " is missing");
      ReadFormText(*data, info->resource);
    } else if (info->formText != nullptr) {
      ReadFormText(info->formText, info->name);
    }
  }
  BindFields();
  for (int i = 0; i < ComponentCount(); ++i)
    Components(i)->Loaded();
  Loaded();
  DoCreate();
}

void TForm::BindFields() {
  for (const ClassInfo* info = &Class(); info != nullptr; info = info->parent) {
    for (const FieldInfo& field : info->fields) {
      TComponent* component = FindComponent(field.name);
      if (component == nullptr) {
        throw FormError(std::string(info->name) + "." + field.name + ": no such component");
      }
      if (!field.assign(*this, component)) {
        throw FormError(std::string(info->name) + "." + field.name + ": component of class " +
                        component->Class().name);
      }
    }
  }
}

void TForm::DoCreate() {
  // A failing create handler is reported; the form is still made, as the user can go on.
  if (onCreate_)
    GuardedCall(context_.dialogs, [this] { onCreate_(this); });
}

void TForm::DoShow() {
  if (onShow_)
    onShow_(this);
}

}  // namespace pelk
