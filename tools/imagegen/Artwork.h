#pragma once
#include <cstdint>
#include <vector>

#include "tools/imagegen/BitmapFiles.h"

namespace pelk::imagegen {

constexpr int kTileSize = 32;
constexpr int kTilesPerRow = 4;
constexpr int kTileCount = 12;

// The command buttons' image strip: twelve 32x32 tiles, four to a row, drawn in true colour...
Picture ImageListPicture();
// ... and as the page carries it: a bitmap file of 8 bits per pixel with a palette of at most
// kImageListColours of the drawing's colours.
constexpr int kImageListColours = 256;
std::vector<std::uint8_t> ImageListBitmap();
// The template page's icon: a laboratory flask, 32x32, 16 colours.
std::vector<std::uint8_t> TemplateIcon();
// The context-menu tip's icon: a menu with an entry going into a folder, one image of 32x32 at
// 24 bits per pixel.
std::vector<std::uint8_t> TipIcon();
// The image button's palette picture, 24x24, 16 colours.
std::vector<std::uint8_t> HotSpeedButtonBitmap();

}  // namespace pelk::imagegen
