#pragma once
#include "tests/win32/oldwindows/SimulatedSystem.h"

namespace pelk {

// The system this run of the test host stands for.
void SetTestedSystem(const OldWindows& system);

}  // namespace pelk
