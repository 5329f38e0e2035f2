#pragma once
#include "platform/Screen.h"

namespace pelk {

class Win32Screen : public Screen {
 public:
  int PixelsPerInch() override;
};

}  // namespace pelk
