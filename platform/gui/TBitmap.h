#pragma once
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace pelk {

// A 32-bit top-down pixel buffer. Pixels are 0x00RRGGBB. Empty is 0 by 0.
class TBitmap {
 public:
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  // New size, all pixels black.
  void SetSize(int width, int height);
  void Clear() { SetSize(0, 0); }
  std::uint32_t Pixel(int x, int y) const;  // 0 outside
  void SetPixel(int x, int y, std::uint32_t rgb);
  const std::vector<std::uint32_t>& Pixels() const { return pixels_; }
  // Copies a rectangle of source to (x, y); parts outside either bitmap are skipped.
  void Draw(const TBitmap& source, int sourceX, int sourceY, int width, int height, int x, int y);
  bool operator==(const TBitmap& other) const {
    return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
  }
  bool operator!=(const TBitmap& other) const { return !(*this == other); }

  // Reads a BMP file (8 bits per pixel with a palette, 24 or 32 bits per pixel; BI_RGB, either
  // row order). False, and the bitmap unchanged, when the bytes are not such a file.
  bool LoadFromBmp(std::string_view bytes);

  // Called after every change, so a control can repaint.
  std::function<void()> OnChange;

 private:
  void Changed();
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace pelk
