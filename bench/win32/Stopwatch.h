#pragma once
#include <windows.h>

namespace pelk::bench {

// Milliseconds from the performance counter.
class Stopwatch {
 public:
  Stopwatch() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  [[nodiscard]] double ElapsedMs() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    if (frequency_.QuadPart <= 0)
      return 0.0;
    return static_cast<double>(now.QuadPart - start_.QuadPart) * 1000.0 /
           static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_{};
  LARGE_INTEGER start_{};
};

}  // namespace pelk::bench
