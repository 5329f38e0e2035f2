#pragma once
#include "platform/win32/WindowsApi.h"

#include <string>

namespace pelk {

// What the screen shows, read back as a user would see it.

// The screen's colour (0x00BBGGRR) at a point of the window's client area.
COLORREF ScreenPixel(HWND window, POINT client);

// Saves what the screen shows of the window's client area as a PNG file (RGB, uncompressed
// deflate blocks); false when the screen could not be read or the file not written.
bool SaveScreenPicture(const std::string& path, HWND window);

}  // namespace pelk
