#pragma once
// The services and generated picture tiles for the GUI library's tests.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gui/GuiContext.h"
#include "platform/gui/TBitmap.h"
#include "platform/headless/HeadlessSystem.h"

namespace pelk::test {

// The headless services, seen as a plain form needs them or as a page does.
struct GuiServices : HeadlessSystem {
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
