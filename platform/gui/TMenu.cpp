#include "platform/gui/TMenu.h"

#include <algorithm>

#include "platform/Exception.h"
#include "platform/gui/Peers.h"
#include "platform/gui/PropertyNames.h"
#include "platform/gui/TImageList.h"

namespace pelk {

const ClassInfo& TMenuItem::StaticClass() {
  static const ClassInfo info{
      "TMenuItem",
      &TComponent::StaticClass(),
      &detail::CreateOwned<TMenuItem>,
      {Property<&TMenuItem::SetCaption>("Caption"), Property<&TMenuItem::SetEnabled>("Enabled"),
       Property<&TMenuItem::SetImageIndex>("ImageIndex"),
       Property<&TMenuItem::SetShortCut>("ShortCut", ShortCutNames()),
       Property<&TMenuItem::SetVisible>("Visible"), Property<&TMenuItem::SetOnClick>("OnClick")},
      {},
      {},
      {},
      /*resource=*/nullptr,
      /*formText=*/nullptr,
      &TMenuItem::PlacementRefusal};
  return info;
}

const char* TMenuItem::PlacementRefusal(const TComponent& container, const TComponent&) {
  const bool inMenu = dynamic_cast<const TPopupMenu*>(&container) != nullptr ||
                      dynamic_cast<const TMenuItem*>(&container) != nullptr;
  return inMenu ? nullptr : "needs a menu around it";
}

void TMenuItem::PlaceIn(TComponent& container) {
  auto* menu = dynamic_cast<TPopupMenu*>(&container);
  TMenuItem* entries = menu != nullptr ? &menu->Items() : dynamic_cast<TMenuItem*>(&container);
  if (entries == nullptr)
    throw EInvalidOperation("menu item cannot be added here");
  entries->Add(this);
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
  for (TMenuItem* item : items_)
    item->parentItem_ = nullptr;
  if (parentItem_ != nullptr)
    parentItem_->Remove(this);
}

void TMenuItem::Click() {
  if (onClick_)
    onClick_(this);
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) {
    throw EListError("menu item index " + std::to_string(index) + " out of bounds");
  }
  return items_[static_cast<std::size_t>(index)];
}

void TMenuItem::Add(TMenuItem* item) {
  if (item == nullptr || item == this || item->parentItem_ != nullptr) {
    throw EInvalidOperation("menu item cannot be added here");
  }
  for (TMenuItem* up = this; up != nullptr; up = up->parentItem_) {
    if (up == item)
      throw EInvalidOperation("menu item cannot hold itself");
  }
  item->parentItem_ = this;
  items_.push_back(item);
}

void TMenuItem::Remove(TMenuItem* item) {
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
  if (item != nullptr && item->parentItem_ == this)
    item->parentItem_ = nullptr;
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortCut) {
  if (shortCut == 0)
    return nullptr;
  for (TMenuItem* item : items_) {
    if (!item->visible_ || !item->enabled_)
      continue;
    if (item->shortCut_ == shortCut)
      return item;
    if (TMenuItem* found = item->FindShortCut(shortCut))
      return found;
  }
  return nullptr;
}

const ClassInfo& TPopupMenu::StaticClass() {
  static const ClassInfo info{"TPopupMenu",
                              &TComponent::StaticClass(),
                              &detail::CreateOwned<TPopupMenu>,
                              {Property<&TPopupMenu::SetImages>("Images")},
                              {},
                              {},
                              {}};
  return info;
}

// The root entry belongs to the menu; it has no name, so resources cannot reach it.
TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), items_(Create<TMenuItem>(this)) {}

void TPopupMenu::SetImages(TImageList* images) {
  images_ = images;
  if (images != nullptr)
    images->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component != nullptr &&
      component == static_cast<TComponent*>(images_)) {
    images_ = nullptr;
  }
}

void TPopupMenu::Popup(int screenX, int screenY) {
  ++popupCount_;
  popupX_ = screenX;
  popupY_ = screenY;
  ShowPopupMenu(*this, screenX, screenY);
}

}  // namespace pelk
