#include "platform/gui/TComponent.h"

#include <algorithm>

#include "platform/Exception.h"

namespace pelk {

const ClassInfo& TComponent::StaticClass() {
  static const ClassInfo info{
      "TComponent",
      nullptr,
      nullptr,
      {Property<&TComponent::SetTag>("Tag"), Property<&TComponent::SetDesignLeft>("Left"),
       Property<&TComponent::SetDesignTop>("Top")},
      {},
      {},
      {},
      /*resource=*/nullptr,
      /*formText=*/nullptr,
      &TComponent::PlacementRefusal};
  return info;
}

const char* TComponent::PlacementRefusal(const TComponent& container, const TComponent& page) {
  return &container == &page ? nullptr : "belongs on the page itself";
}

void TComponent::PlaceIn(TComponent&) {}

TComponent::TComponent(TComponent* owner) : alive_(std::make_shared<int>(0)), owner_(owner) {
  if (owner_ != nullptr)
    owner_->InsertComponent(this);
}

TComponent::~TComponent() {
  alive_.reset();
  // One at a time: a notified component may destroy another linked one, which then takes
  // itself off this list.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    RemoveFreeNotification(other);
    other->Notification(this, TOperation::opRemove);
  }
  DestroyComponents();
  if (owner_ != nullptr)
    owner_->RemoveComponent(this);
}

void TComponent::Free() {
  if (owner_ == nullptr)
    throw EInvalidOperation("Free of a component without owner");
  delete this;
}

void TComponent::SetName(const std::string& name) {
  if (name == name_)
    return;
  if (!name.empty() && owner_ != nullptr && owner_->FindComponent(name) != nullptr) {
    throw EInvalidOperation("a component named " + name + " already exists");
  }
  name_ = name;
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) {
    throw EListError("component index " + std::to_string(index) + " out of bounds");
  }
  return components_[static_cast<std::size_t>(index)];
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty())
    return nullptr;
  for (TComponent* component : components_) {
    if (SameText(component->name_, name))
      return component;
  }
  return nullptr;
}

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this)
    return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
    freeNotifies_.push_back(component);
  }
  auto& theirs = component->freeNotifies_;
  if (std::find(theirs.begin(), theirs.end(), this) == theirs.end())
    theirs.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (component == nullptr)
    return;
  freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), component),
                      freeNotifies_.end());
  auto& theirs = component->freeNotifies_;
  theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component != nullptr) {
    RemoveFreeNotification(component);
  }
  // Index loop: a notified component may destroy others.
  for (std::size_t i = components_.size(); i-- > 0;) {
    if (i < components_.size())
      components_[i]->Notification(component, operation);
  }
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    delete components_.back();  // its destructor takes it off the list
  }
}

void TComponent::InsertComponent(TComponent* component) {
  components_.push_back(component);
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  components_.erase(std::remove(components_.begin(), components_.end(), component),
                    components_.end());
  component->owner_ = nullptr;
  Notification(component, TOperation::opRemove);
}

}  // namespace pelk
