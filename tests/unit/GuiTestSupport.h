#pragma once
// Services and generated picture tiles for the GUI library's tests.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gui/GuiContext.h"
#include "platform/gui/TBitmap.h"
#include "platform/headless/HeadlessDesktop.h"
#include "platform/headless/ScriptedDialogs.h"

namespace pelk::test {

// The headless desktop and message boxes, as the module's own tests use them.
struct GuiServices {
  ScriptedDialogs dialogs;
  HeadlessDesktop desktop;
  GuiContext Context() { return GuiContext{dialogs, desktop}; }
};

// A 32-by-32 tile whose pixels encode its number, so images are told apart.
inline TBitmap Tile(int number, int size = 32) {
  TBitmap tile;
  tile.SetSize(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      tile.SetPixel(x, y, static_cast<std::uint32_t>(0x100000 * (number + 1) + y * size + x));
    }
  }
  return tile;
}

}  // namespace pelk::test
