#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace pelk::imagegen {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
};

// A true-colour picture, top row first, with a mask of transparent pixels.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;
  std::vector<bool> transparent;
  Picture(int w, int h) : width(w), height(h), pixels(w * h), transparent(w * h, false) {}
  Rgb& at(int x, int y) { return pixels[y * width + x]; }
};

// A picture in a palette of up to 256 colours, top row first, with a mask of transparent pixels.
struct IndexedPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> index;
  std::vector<bool> transparent;
  IndexedPicture(int w, int h) : width(w), height(h), index(w * h, 0), transparent(w * h, false) {}
  std::uint8_t& at(int x, int y) { return index[y * width + x]; }
};

using Palette16 = std::array<Rgb, 16>;

// The sixteen colours of the standard Windows palette, black to white.
const Palette16& StandardPalette();

// Bitmap file, 24 bits per pixel (BI_RGB), rows bottom-up, each padded to four bytes.
std::vector<std::uint8_t> BitmapFile24(const Picture& picture);
// Bitmap file, 8 bits per pixel with the palette (1 to 256 colours, all listed in the file);
// the mask is ignored.
std::vector<std::uint8_t> BitmapFile8(const IndexedPicture& picture,
                                      const std::vector<Rgb>& palette);
// Bitmap file, 4 bits per pixel with the palette; the mask is ignored.
std::vector<std::uint8_t> BitmapFile4(const IndexedPicture& picture, const Palette16& palette);
// Icon file with one image: 4 bits per pixel with the palette, plus the AND mask.
std::vector<std::uint8_t> IconFile4(const IndexedPicture& picture, const Palette16& palette);
// Icon file with one image: 24 bits per pixel, plus the AND mask; masked pixels are stored black,
// so the screen shows through unchanged.
std::vector<std::uint8_t> IconFile24(const Picture& picture);

}  // namespace pelk::imagegen
