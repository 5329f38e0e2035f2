#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Exception.h"

namespace pelk {

// A malformed form resource: bad syntax, an unknown class, property, component or handler, or
// a value of the wrong kind. The text names the resource and the line.
class FormError : public Exception {
 public:
  using Exception::Exception;
};

// One property value as a form resource writes it.
struct FormValue {
  enum class Kind { Integer, String, Identifier, Set, List };
  Kind kind = Kind::Integer;
  std::int64_t integer = 0;
  std::string text;                // String: the bytes; Identifier: the name
  std::vector<std::string> items;  // Set: identifiers; List: strings
};

struct PropertyInfo;

// A value read as the property's type; FormError (naming the property) for a value of another
// kind, an integer out of range or a name the property does not know.
int FormValueToInt(const FormValue& value, const PropertyInfo& property);
unsigned FormValueToSet(const FormValue& value, const PropertyInfo& property);
bool FormValueToBool(const FormValue& value, const PropertyInfo& property);
std::string FormValueToString(const FormValue& value, const PropertyInfo& property);
std::vector<std::string> FormValueToList(const FormValue& value, const PropertyInfo& property);

}  // namespace pelk
