#include "platform/Exception.h"

namespace pelk {

// Out of line so that the class's vtable and type information live in one object file.
const char* Exception::what() const noexcept {
  return message_.c_str();
}

}  // namespace pelk
