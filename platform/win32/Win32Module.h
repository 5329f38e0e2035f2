#pragma once
#include "platform/win32/WindowsApi.h"

namespace pelk {

// The module (DLL or program) that holds this code and its resources: window classes are
// registered on it.
HINSTANCE CodeModule();

}  // namespace pelk
