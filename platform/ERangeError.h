#pragma once
#include <stdexcept>
#include <string>

namespace pelk {

// A value outside the range its receiver accepts, such as a negative parameter of the host's
// message. Reported like any other failure raised while a message is dispatched.
class ERangeError : public std::runtime_error {
 public:
  explicit ERangeError(const std::string& what = "Range check error") : std::runtime_error(what) {}
};

}  // namespace pelk
