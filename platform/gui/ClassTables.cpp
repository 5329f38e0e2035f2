#include "platform/gui/ClassInfo.h"

#include <cctype>
#include <cstdint>
#include <limits>

#include "platform/gui/FormReader.h"

namespace pelk {

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

bool ClassInfo::InheritsFrom(const ClassInfo& other) const {
  for (const ClassInfo* info = this; info != nullptr; info = info->parent) {
    if (info == &other)
      return true;
  }
  return false;
}

bool ClassInfo::InheritsFrom(std::string_view className) const {
  for (const ClassInfo* info = this; info != nullptr; info = info->parent) {
    if (SameText(info->name, className))
      return true;
  }
  return false;
}

const PropertyInfo* ClassInfo::FindProperty(std::string_view propertyName) const {
  for (const ClassInfo* info = this; info != nullptr; info = info->parent) {
    for (const PropertyInfo& property : info->properties) {
      if (SameText(property.name, propertyName))
        return &property;
    }
  }
  return nullptr;
}

const MethodInfo* ClassInfo::FindMethod(std::string_view methodName) const {
  for (const ClassInfo* info = this; info != nullptr; info = info->parent) {
    for (const MethodInfo& method : info->methods) {
      if (SameText(method.name, methodName))
        return &method;
    }
  }
  return nullptr;
}

const ClassInfo* ClassInfo::FindUsedClass(std::string_view className) const {
  for (const ClassInfo* info = this; info != nullptr; info = info->parent) {
    for (const ClassRef used : info->uses) {
      if (SameText(used().name, className))
        return &used();
    }
  }
  return nullptr;
}

const char* ClassInfo::PlacementRefusal(const TComponent& container, const TComponent& page) const {
  for (const ClassInfo* info = this; info != nullptr; info = info->parent) {
    if (info->placement != nullptr)
      return info->placement(container, page);
  }
  return nullptr;
}

bool LookupName(const NameTable& table, std::string_view name, int& value) {
  for (std::size_t i = 0; i < table.count; ++i) {
    if (SameText(table.items[i].name, name)) {
      value = table.items[i].value;
      return true;
    }
  }
  return false;
}

namespace {
[[noreturn]] void WrongValue(const PropertyInfo& property, const char* expected) {
  throw FormError(std::string(property.name) + " expects " + expected);
}
}  // namespace

int FormValueToInt(const FormValue& value, const PropertyInfo& property) {
  if (value.kind == FormValue::Kind::Integer) {
    if (value.integer < std::numeric_limits<std::int32_t>::min() ||
        value.integer > std::numeric_limits<std::int32_t>::max()) {
      WrongValue(property, "a 32-bit integer");
    }
    return static_cast<int>(value.integer);
  }
  int named = 0;
  if (value.kind == FormValue::Kind::Identifier && LookupName(property.names, value.text, named)) {
    return named;
  }
  WrongValue(property, property.names.count > 0 ? "one of its names" : "an integer");
}

unsigned FormValueToSet(const FormValue& value, const PropertyInfo& property) {
  if (value.kind != FormValue::Kind::Set)
    WrongValue(property, "a set [...]");
  unsigned bits = 0;
  for (const std::string& item : value.items) {
    int bit = 0;
    if (!LookupName(property.names, item, bit))
      WrongValue(property, "known set members");
    bits |= static_cast<unsigned>(bit);
  }
  return bits;
}

bool FormValueToBool(const FormValue& value, const PropertyInfo& property) {
  if (value.kind == FormValue::Kind::Identifier) {
    if (SameText(value.text, "True"))
      return true;
    if (SameText(value.text, "False"))
      return false;
  }
  WrongValue(property, "True or False");
}

std::string FormValueToString(const FormValue& value, const PropertyInfo& property) {
  if (value.kind != FormValue::Kind::String)
    WrongValue(property, "a string");
  return value.text;
}

std::vector<std::string> FormValueToList(const FormValue& value, const PropertyInfo& property) {
  if (value.kind != FormValue::Kind::List)
    WrongValue(property, "a list (...)");
  return value.items;
}

void DeferReference(FormReader& reader, TComponent& target, const FormValue& value,
                    const PropertyInfo& property, void (*assign)(TComponent&, TComponent*)) {
  if (value.kind != FormValue::Kind::Identifier)
    WrongValue(property, "a component name");
  reader.DeferReference(target, value.text, assign);
}

TNotifyEvent BindEvent(FormReader& reader, const FormValue& value, const PropertyInfo& property) {
  if (value.kind != FormValue::Kind::Identifier)
    WrongValue(property, "a handler name");
  return reader.BindEvent(value.text);
}

}  // namespace pelk
