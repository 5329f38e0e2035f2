#include "platform/gui/TControl.h"
#include "platform/gui/TMenu.h"
#include "platform/gui/TWinControl.h"

// A control's link to its pop-up menu: the reference a form resource sets, the free notification
// that drops it when the menu goes first, and the right click that opens the nearest one. A menu
// is a component of its own and may be freed before the controls that name it.

namespace pelk {

void TControl::SetPopupMenu(TPopupMenu* menu) {
  popupMenu_ = menu;
  if (menu != nullptr)
    menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component != nullptr &&
      component == static_cast<TComponent*>(popupMenu_)) {
    popupMenu_ = nullptr;
  }
}

bool TControl::UserContextMenu(int screenX, int screenY) {
  TPopupMenu* menu = nullptr;
  for (const TControl* control = this; control != nullptr && menu == nullptr;
       control = control->parent_) {
    menu = control->popupMenu_;
  }
  if (menu == nullptr)
    return false;
  Guarded([&] { menu->Popup(screenX, screenY); });
  return true;
}

}  // namespace pelk
