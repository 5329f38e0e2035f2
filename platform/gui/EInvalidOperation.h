#pragma once
#include "platform/Exception.h"

namespace pelk {

// A call the object cannot carry out as it stands: a component without an owner asked to free
// itself, a duplicate name, a parent or menu item that would contain itself.
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace pelk
