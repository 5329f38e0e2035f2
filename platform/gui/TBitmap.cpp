#include "platform/gui/TBitmap.h"

#include <cstring>

#include "platform/gui/GuiTypes.h"

namespace pelk {

namespace {

std::uint32_t ReadLe(std::string_view bytes, std::size_t offset, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
  }
  return value;
}

}  // namespace

void TBitmap::SetSize(int width, int height) {
  if (width < 0 || height < 0 || width > kMaxCoordinate || height > kMaxCoordinate) {
    width = 0;
    height = 0;
  }
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  Changed();
}

std::uint32_t TBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_)
    return 0;
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                 static_cast<std::size_t>(x)];
}

void TBitmap::SetPixel(int x, int y, std::uint32_t rgb) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_)
    return;
  pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
          static_cast<std::size_t>(x)] = rgb & 0xFFFFFFu;
  Changed();
}

void TBitmap::Draw(const TBitmap& source, int sourceX, int sourceY, int width, int height, int x,
                   int y) {
  for (int row = 0; row < height; ++row) {
    const int sy = sourceY + row;
    const int dy = y + row;
    if (sy < 0 || sy >= source.height_ || dy < 0 || dy >= height_)
      continue;
    for (int column = 0; column < width; ++column) {
      const int sx = sourceX + column;
      const int dx = x + column;
      if (sx < 0 || sx >= source.width_ || dx < 0 || dx >= width_)
        continue;
      pixels_[static_cast<std::size_t>(dy) * static_cast<std::size_t>(width_) +
              static_cast<std::size_t>(dx)] =
          source.pixels_[static_cast<std::size_t>(sy) * static_cast<std::size_t>(source.width_) +
                         static_cast<std::size_t>(sx)];
    }
  }
  Changed();
}

bool TBitmap::LoadFromBmp(std::string_view bytes) {
  constexpr std::size_t kFileHeader = 14;
  constexpr std::size_t kInfoHeader = 40;
  if (bytes.size() < kFileHeader + kInfoHeader || bytes[0] != 'B' || bytes[1] != 'M')
    return false;
  const std::uint32_t dataOffset = ReadLe(bytes, 10, 4);
  const std::uint32_t headerSize = ReadLe(bytes, 14, 4);
  const auto width = static_cast<std::int32_t>(ReadLe(bytes, 18, 4));
  const auto rawHeight = static_cast<std::int32_t>(ReadLe(bytes, 22, 4));
  const std::uint32_t bitCount = ReadLe(bytes, 28, 2);
  const std::uint32_t compression = ReadLe(bytes, 30, 4);
  if (headerSize < kInfoHeader || compression != 0 ||
      (bitCount != 8 && bitCount != 24 && bitCount != 32)) {
    return false;
  }
  const bool topDown = rawHeight < 0;
  if (rawHeight == INT32_MIN)
    return false;
  const std::int32_t height = topDown ? -rawHeight : rawHeight;
  if (width <= 0 || height <= 0 || width > kMaxCoordinate || height > kMaxCoordinate)
    return false;
  const std::size_t bytesPerPixel = bitCount / 8;
  const std::size_t stride =
      (static_cast<std::size_t>(width) * bytesPerPixel + 3) & ~std::size_t{3};
  // In 64 bits: offsets near 4 GB must not wrap round into the file on 32-bit builds.
  const std::uint64_t needed = std::uint64_t{dataOffset} + std::uint64_t{stride} * height;
  // 8 bits per pixel index a palette of blue, green, red, unused quads after the header; 0 colours
  // used means all 256.
  std::size_t colours = 0;
  if (bitCount == 8) {
    colours = ReadLe(bytes, 46, 4);
    if (colours == 0)
      colours = 256;
    if (colours > 256)
      return false;
  }
  const std::uint64_t paletteOffset = kFileHeader + std::uint64_t{headerSize};
  if (dataOffset < paletteOffset + colours * 4 || needed > bytes.size())
    return false;

  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) *
                                    static_cast<std::size_t>(height));
  for (std::int32_t row = 0; row < height; ++row) {
    const std::int32_t sourceRow = topDown ? row : height - 1 - row;
    const std::size_t base = dataOffset + stride * static_cast<std::size_t>(sourceRow);
    for (std::int32_t column = 0; column < width; ++column) {
      std::size_t at = base + static_cast<std::size_t>(column) * bytesPerPixel;
      if (bitCount == 8) {
        const std::size_t index = static_cast<unsigned char>(bytes[at]);
        if (index >= colours)
          return false;  // a colour the palette does not have
        at = static_cast<std::size_t>(paletteOffset) + index * 4;
      }
      pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
             static_cast<std::size_t>(column)] = ReadLe(bytes, at, 3);
    }
  }
  width_ = width;
  height_ = height;
  pixels_.swap(pixels);
  Changed();
  return true;
}

void TBitmap::Changed() {
  if (OnChange)
    OnChange();
}

}  // namespace pelk
