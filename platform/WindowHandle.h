#pragma once
#include <cstdint>

namespace pelk {

// A native window handle carried through platform-neutral code without its type; 0 is none.
using WindowHandle = std::uintptr_t;

}  // namespace pelk
