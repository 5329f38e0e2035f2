#pragma once
#include "platform/win32/WindowsApi.h"

namespace pelk {

// The system's cursors by number: the IDC_ names follow the A or W choice of the build.
enum class SystemCursor : WORD { Arrow = 32512, IBeam = 32513, Wait = 32514, Hand = 32649 };

inline HCURSOR LoadSystemCursor(SystemCursor cursor) {
  return LoadCursorW(nullptr, MAKEINTRESOURCEW(static_cast<WORD>(cursor)));
}

}  // namespace pelk
