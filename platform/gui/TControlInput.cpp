#include "platform/gui/TControl.h"

#include <cstdint>

#include "platform/Exception.h"
#include "platform/gui/GuardedCall.h"
#include "platform/gui/TForm.h"

// TControl's message dispatch and the real input that comes through it: errors raised on the way
// are reported by the control's form. The right click's pop-up menu is in TControlPopupMenu.cpp.

namespace pelk {

void TControl::Click() {
  if (onClick_)
    onClick_(this);
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
      CMMouseEnter(message);
      break;
    case CM_MOUSELEAVE:
      CMMouseLeave(message);
      break;
    default:
      DefaultHandler(message);
      break;
  }
}

void TControl::DefaultHandler(TMessage& message) {
  message.Result = 0;
}

void TControl::CMMouseEnter(TMessage&) {
  mouseInControl_ = true;
  if (peer_)
    peer_->AppearanceChanged();
}

void TControl::CMMouseLeave(TMessage&) {
  mouseInControl_ = false;
  if (peer_)
    peer_->AppearanceChanged();
}

std::intptr_t TControl::Perform(std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) {
  TMessage record{message, wParam, lParam, 0};
  Guarded([&] { WndProc(record); });
  return record.Result;
}

void TControl::Guarded(const std::function<void()>& f) {
  TForm* form = ParentForm();
  if (form == nullptr) {
    f();  // no form to report to: the caller sees the error
    return;
  }
  TForm::DispatchScope scope(form);
  GuardedCall(form->Context().dialogs, f);
}

void TControl::ReportError(const char* what) {
  Guarded([what] { throw Exception(what); });
}

void TControl::UserClick() {
  Guarded([this] {
    if (Enabled())
      Click();
  });
}

void TControl::UserMouseEnter() {
  Perform(CM_MOUSEENTER);
}
void TControl::UserMouseLeave() {
  Perform(CM_MOUSELEAVE);
}

}  // namespace pelk
