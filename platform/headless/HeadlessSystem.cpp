#include "platform/headless/HeadlessSystem.h"

namespace pelk {

std::unique_ptr<System> MakeSystem() {
  return std::make_unique<HeadlessSystem>();
}

}  // namespace pelk
