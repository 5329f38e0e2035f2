#pragma once

namespace pelk {

class Screen {
 public:
  virtual ~Screen() = default;
  // Horizontal logical pixels per inch of the whole screen (LOGPIXELSX); a broken driver may
  // answer 0.
  virtual int PixelsPerInch() = 0;
};

}  // namespace pelk
