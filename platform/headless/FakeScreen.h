#pragma once
#include "platform/Screen.h"

namespace pelk {

// A screen whose resolution the test sets; counts the queries.
class FakeScreen : public Screen {
 public:
  int PixelsPerInch() override {
    ++Queries;
    return Dpi;
  }
  int Dpi = 96;
  int Queries = 0;
};

}  // namespace pelk
