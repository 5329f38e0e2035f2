#pragma once
#include "platform/Exception.h"

namespace pelk {

// The system refused a window or another object the library asked it to make.
class EOutOfResources : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace pelk
