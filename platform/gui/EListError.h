#pragma once
#include "platform/Exception.h"

namespace pelk {

// An index outside a list of components, controls or menu items.
class EListError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace pelk
