#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Exception.h"
#include "platform/gui/ClassInfo.h"
#include "platform/gui/GuiTypes.h"

namespace pelk {

// Base of everything a form resource creates. A component with an owner belongs to it and is
// destroyed with it; one without an owner belongs to whoever holds its unique_ptr.
class TComponent {
 public:
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  static const ClassInfo& StaticClass();
  virtual const ClassInfo& Class() const { return StaticClass(); }

  // Why a form resource may not create a component of this class inside container, or null. The
  // class's ClassInfo points here, so the reader asks before the component exists. Anything but
  // a control or a menu entry belongs on the page itself.
  static const char* PlacementRefusal(const TComponent& container, const TComponent& page);
  // Takes a component just created from a resource to its place inside container, once its
  // class's rule let it in. A plain component stays as it is: its owner, the page, holds it.
  virtual void PlaceIn(TComponent& container);

  // Creates a component owned by owner (which then destroys it).
  template <class T, class... Args>
  static T* Create(TComponent* owner, Args&&... args) {
    if (owner == nullptr)
      throw EInvalidOperation("Create needs an owner");
    return new T(owner, std::forward<Args>(args)...);
  }
  // Destroys an owned component now.
  void Free();

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  TComponent* Owner() const { return owner_; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const;  // throws EListError
  TComponent* FindComponent(std::string_view name) const;

  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  // Where a form designer placed a non-visual component; no effect on the page.
  int DesignLeft() const { return designLeft_; }
  void SetDesignLeft(int left) { designLeft_ = left; }
  int DesignTop() const { return designTop_; }
  void SetDesignTop(int top) { designTop_ = top; }

  // Asks component to tell this one (Notification, opRemove) when it is destroyed, and the
  // other way round.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);
  // Told of insertions and removals of components this one owns or is linked to; passes the
  // news on to the components it owns.
  virtual void Notification(TComponent* component, TOperation operation);

  // Expires when the component is destroyed: code that calls out (event handlers, window
  // messages) checks it before touching the component again.
  std::weak_ptr<const void> LifeToken() const { return alive_; }

  bool Loading() const { return loading_; }
  void SetLoading(bool loading) { loading_ = loading; }
  // Runs once the form resources that set this component's properties are read.
  virtual void Loaded() {}

 protected:
  // The component is as good as gone (its owner let it go) though its memory stays a while:
  // code that checks the life token stops as it would after the destruction.
  void ExpireLifeToken() { alive_.reset(); }
  // Destroys the owned components, last first. Containers call it from their own destructor
  // so the owned tree goes while the container is still whole.
  void DestroyComponents();

 private:
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  std::shared_ptr<const void> alive_;
  TComponent* owner_;
  std::string name_;
  int tag_ = 0;
  int designLeft_ = 0;
  int designTop_ = 0;
  bool loading_ = false;
  std::vector<TComponent*> components_;    // owned
  std::vector<TComponent*> freeNotifies_;  // linked, not owned
};

namespace detail {
template <class T>
TComponent* CreateOwned(TComponent& owner) {
  return TComponent::Create<T>(&owner);
}
}  // namespace detail

}  // namespace pelk
