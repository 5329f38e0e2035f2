#pragma once
#include <memory>

#include "platform/SystemServices.h"

namespace pelk {

// One of each system service of the backend this build runs on, owned: the real ones in the
// Windows backend, fresh in-memory ones in the headless backend. A library makes one when it is
// loaded and keeps it until it is unloaded.
class System {
 public:
  virtual ~System() = default;
  virtual SystemServices Services() = 0;
};

// Defined by each backend.
std::unique_ptr<System> MakeSystem();

}  // namespace pelk
