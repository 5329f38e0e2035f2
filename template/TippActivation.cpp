#include "template/TippActivation.h"

#include "module/state/OsTypes.h"

namespace pelk {

TippActivation DecideActivation(int osType, std::int32_t validOsMask, bool bsControl) {
  TippActivation result;
  result.osBit = OsBitOf(osType);
  const bool supported = (validOsMask & result.osBit) != 0;
  result.lock = !supported && bsControl;
  result.active = !result.lock;
  return result;
}

}  // namespace pelk
