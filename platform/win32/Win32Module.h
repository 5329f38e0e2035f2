#pragma once
#include "platform/win32/WindowsApi.h"

namespace pelk {

// The module (DLL or program) that holds this code and its resources: window classes are
// registered on it.
HINSTANCE CodeModule();

// Loads the code module once more, by its own path: for an object handed to another program,
// which must keep this code in memory as long as it lives. False when that failed.
bool HoldCodeModule();

}  // namespace pelk
