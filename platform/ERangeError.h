#pragma once
#include <string>

#include "platform/Exception.h"

namespace pelk {

// A value outside the range its receiver accepts, such as a negative parameter of the host's
// message. Reported like any other failure raised while a message is dispatched.
class ERangeError : public Exception {
 public:
  explicit ERangeError(std::string what = "Range check error") : Exception(std::move(what)) {}
};

}  // namespace pelk
