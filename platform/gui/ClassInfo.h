#pragma once
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/gui/FormValue.h"
#include "platform/gui/NotifyEvent.h"

namespace pelk {

class TComponent;
class FormReader;

struct NameValue {
  const char* name;
  int value;
};

struct NameTable {
  const NameValue* items = nullptr;
  std::size_t count = 0;
};

template <std::size_t N>
constexpr NameTable Names(const NameValue (&items)[N]) {
  return NameTable{items, N};
}

struct PropertyInfo;
using PropertyApply = void (*)(TComponent& target, const FormValue& value, FormReader& reader,
                               const PropertyInfo& property);

// A property that form resources set by name.
struct PropertyInfo {
  const char* name;
  PropertyApply apply;
  NameTable names;  // identifiers an integer, enum or set property accepts
};

// A handler that form resources bind events to by name.
struct MethodInfo {
  const char* name;
  void (*call)(TComponent& self, TComponent* sender);
};

// A component field that is set to the component of the same name once the page is read.
struct FieldInfo {
  const char* name;
  bool (*assign)(TComponent& self, TComponent* component);  // false: wrong class
};

struct ClassInfo;
// A class named by its StaticClass function, which can stand in a table made at compile time.
using ClassRef = const ClassInfo& (*)();

// Why a form resource may not create a component of a class inside container (the component
// written around it; page is the resource's root), or null where it may.
using PlacementCheck = const char* (*)(const TComponent& container, const TComponent& page);

// What form resources know of a class. Lookups walk from the class up through its ancestors, so
// a derived class's entry of a name hides its ancestor's.
struct ClassInfo {
  const char* name;
  const ClassInfo* parent;
  TComponent* (*create)(TComponent& owner);  // null: resources cannot create it
  // Tables written in braces where the class's StaticClass() defines its ClassInfo: their arrays
  // live as long as that static object, with no copy made at start-up.
  std::initializer_list<PropertyInfo> properties;
  std::initializer_list<MethodInfo> methods;
  std::initializer_list<FieldInfo> fields;
  std::initializer_list<ClassRef> uses;  // classes the page's resource may create
  const char* resource = nullptr;        // name of the class's own form resource
  const char* formText = nullptr;        // or the resource text itself
  PlacementCheck placement = nullptr;    // null: the parent class's rule

  bool InheritsFrom(const ClassInfo& other) const;
  bool InheritsFrom(std::string_view className) const;
  const PropertyInfo* FindProperty(std::string_view propertyName) const;
  const MethodInfo* FindMethod(std::string_view methodName) const;
  const ClassInfo* FindUsedClass(std::string_view className) const;
  // The placement rule of the class or its nearest ancestor that has one.
  const char* PlacementRefusal(const TComponent& container, const TComponent& page) const;
};

// Looks a name up in a property's table; case-insensitive as the form designer writes them.
bool LookupName(const NameTable& table, std::string_view name, int& value);
bool SameText(std::string_view a, std::string_view b);

// A component reference or a handler name handed on to the reader once the value is a name.
void DeferReference(FormReader& reader, TComponent& target, const FormValue& value,
                    const PropertyInfo& property, void (*assign)(TComponent&, TComponent*));
TNotifyEvent BindEvent(FormReader& reader, const FormValue& value, const PropertyInfo& property);

namespace detail {

template <class T>
struct MemberTraits;
template <class C, class M>
struct MemberTraits<M C::*> {
  using Class = C;
  using Type = M;
};

template <class F>
struct SetterTraits;
template <class C, class A>
struct SetterTraits<void (C::*)(A)> {
  using Class = C;
  using Arg = std::remove_cv_t<std::remove_reference_t<A>>;
};

template <auto Setter>
void AssignReference(TComponent& target, TComponent* component) {
  using Traits = SetterTraits<decltype(Setter)>;
  using Pointee = std::remove_pointer_t<typename Traits::Arg>;
  auto* typed = dynamic_cast<Pointee*>(component);
  if (component != nullptr && typed == nullptr) {
    throw FormError("reference of the wrong class: " + std::string(Pointee::StaticClass().name));
  }
  (static_cast<typename Traits::Class&>(target).*Setter)(typed);
}

template <auto Setter>
void ApplyProperty(TComponent& target, const FormValue& value, FormReader& reader,
                   const PropertyInfo& property) {
  using Traits = SetterTraits<decltype(Setter)>;
  using Arg = typename Traits::Arg;
  auto& object = static_cast<typename Traits::Class&>(target);
  if constexpr (std::is_same_v<Arg, bool>) {
    (object.*Setter)(FormValueToBool(value, property));
  } else if constexpr (std::is_same_v<Arg, unsigned>) {
    (object.*Setter)(FormValueToSet(value, property));
  } else if constexpr (std::is_enum_v<Arg>) {
    (object.*Setter)(static_cast<Arg>(FormValueToInt(value, property)));
  } else if constexpr (std::is_integral_v<Arg>) {
    (object.*Setter)(FormValueToInt(value, property));
  } else if constexpr (std::is_same_v<Arg, std::string>) {
    (object.*Setter)(FormValueToString(value, property));
  } else if constexpr (std::is_same_v<Arg, std::vector<std::string>>) {
    (object.*Setter)(FormValueToList(value, property));
  } else if constexpr (std::is_same_v<Arg, TNotifyEvent>) {
    (object.*Setter)(BindEvent(reader, value, property));
  } else {
    static_assert(std::is_pointer_v<Arg>, "unsupported property type");
    DeferReference(reader, target, value, property, &AssignReference<Setter>);
  }
}

template <auto Handler>
void CallHandler(TComponent& self, TComponent* sender) {
  using Class = typename MemberTraits<decltype(Handler)>::Class;
  (static_cast<Class&>(self).*Handler)(sender);
}

template <auto Member>
bool AssignField(TComponent& self, TComponent* component) {
  using Traits = MemberTraits<decltype(Member)>;
  using Pointee = std::remove_pointer_t<typename Traits::Type>;
  auto* typed = dynamic_cast<Pointee*>(component);
  if (typed == nullptr)
    return false;
  static_cast<typename Traits::Class&>(self).*Member = typed;
  return true;
}

template <class T>
TComponent* CreateOwned(TComponent& owner);

}  // namespace detail

// Table entries: Property<&TControl::SetLeft>("Left"), Method<&TPage::OkClick>("OkClick"),
// Field<&TPage::Button>("Button"). The setter's argument type picks how the value is read.
template <auto Setter>
constexpr PropertyInfo Property(const char* name, NameTable names = {}) {
  return PropertyInfo{name, &detail::ApplyProperty<Setter>, names};
}

template <auto Handler>
constexpr MethodInfo Method(const char* name) {
  return MethodInfo{name, &detail::CallHandler<Handler>};
}

template <auto Member>
constexpr FieldInfo Field(const char* name) {
  return FieldInfo{name, &detail::AssignField<Member>};
}

}  // namespace pelk
