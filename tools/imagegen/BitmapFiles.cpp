#include "tools/imagegen/BitmapFiles.h"

#include <cstddef>
#include <utility>

namespace pelk::imagegen {

namespace {

class ByteWriter {
 public:
  void U8(std::uint32_t value) { bytes_.push_back(static_cast<std::uint8_t>(value & 0xFF)); }
  void U16(std::uint32_t value) {
    U8(value);
    U8(value >> 8);
  }
  void U32(std::uint32_t value) {
    U16(value & 0xFFFF);
    U16(value >> 16);
  }
  void Zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }
  std::size_t size() const { return bytes_.size(); }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t RowBytes(int width, int bitsPerPixel) {
  return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

void FileHeader(ByteWriter& out, std::uint32_t fileSize, std::uint32_t pixelOffset) {
  out.U8('B');
  out.U8('M');
  out.U32(fileSize);
  out.U32(0);
  out.U32(pixelOffset);
}

// `storedHeight` is twice the height for icons, which stack the colour image and the mask.
void InfoHeader(ByteWriter& out, int width, int storedHeight, int bitsPerPixel,
                std::uint32_t imageSize, std::uint32_t coloursUsed) {
  out.U32(kInfoHeaderSize);
  out.U32(static_cast<std::uint32_t>(width));
  out.U32(static_cast<std::uint32_t>(storedHeight));
  out.U16(1);
  out.U16(static_cast<std::uint32_t>(bitsPerPixel));
  out.U32(0);  // BI_RGB
  out.U32(imageSize);
  out.U32(0);
  out.U32(0);
  out.U32(coloursUsed);
  out.U32(0);
}

template <class Colours>
void PaletteEntries(ByteWriter& out, const Colours& palette) {
  for (const Rgb& colour : palette) {
    out.U8(colour.b);
    out.U8(colour.g);
    out.U8(colour.r);
    out.U8(0);
  }
}

void Rows4(ByteWriter& out, const IndexedPicture& picture, bool blankTransparent) {
  const std::uint32_t rowBytes = RowBytes(picture.width, 4);
  for (int y = picture.height - 1; y >= 0; --y) {
    std::uint32_t written = 0;
    for (int x = 0; x < picture.width; x += 2) {
      auto nibble = [&](int px) -> std::uint32_t {
        if (px >= picture.width)
          return 0;
        const std::size_t k = static_cast<std::size_t>(y) * picture.width + px;
        if (blankTransparent && picture.transparent[k])
          return 0;
        return picture.index[k] & 0x0F;
      };
      out.U8((nibble(x) << 4) | nibble(x + 1));
      ++written;
    }
    out.Zeros(rowBytes - written);
  }
}

void AndMask(ByteWriter& out, int width, int height, const std::vector<bool>& transparent) {
  const std::uint32_t rowBytes = RowBytes(width, 1);
  for (int y = height - 1; y >= 0; --y) {
    std::uint32_t written = 0;
    for (int x = 0; x < width; x += 8) {
      std::uint32_t bits = 0;
      for (int bit = 0; bit < 8; ++bit) {
        const int px = x + bit;
        if (px < width && transparent[static_cast<std::size_t>(y) * width + px]) {
          bits |= 0x80u >> bit;
        }
      }
      out.U8(bits);
      ++written;
    }
    out.Zeros(rowBytes - written);
  }
}

void IconDirectory(ByteWriter& out, int width, int height, std::uint32_t colourCount,
                   int bitsPerPixel, std::uint32_t imageBytes) {
  out.U16(0);
  out.U16(1);  // icon
  out.U16(1);  // one image
  out.U8(static_cast<std::uint32_t>(width));
  out.U8(static_cast<std::uint32_t>(height));
  out.U8(colourCount);
  out.U8(0);
  out.U16(1);
  out.U16(static_cast<std::uint32_t>(bitsPerPixel));
  out.U32(imageBytes);
  out.U32(6 + 16);
}

}  // namespace

const Palette16& StandardPalette() {
  static const Palette16 palette = {{{0, 0, 0},
                                     {128, 0, 0},
                                     {0, 128, 0},
                                     {128, 128, 0},
                                     {0, 0, 128},
                                     {128, 0, 128},
                                     {0, 128, 128},
                                     {192, 192, 192},
                                     {128, 128, 128},
                                     {255, 0, 0},
                                     {0, 255, 0},
                                     {255, 255, 0},
                                     {0, 0, 255},
                                     {255, 0, 255},
                                     {0, 255, 255},
                                     {255, 255, 255}}};
  return palette;
}

std::vector<std::uint8_t> BitmapFile24(const Picture& picture) {
  const std::uint32_t rowBytes = RowBytes(picture.width, 24);
  const std::uint32_t imageSize = rowBytes * picture.height;
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
  ByteWriter out;
  FileHeader(out, offset + imageSize, offset);
  InfoHeader(out, picture.width, picture.height, 24, imageSize, 0);
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) {
      const Rgb& colour = picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
      out.U8(colour.b);
      out.U8(colour.g);
      out.U8(colour.r);
    }
    out.Zeros(rowBytes - 3u * picture.width);
  }
  return out.Take();
}

std::vector<std::uint8_t> BitmapFile8(const IndexedPicture& picture,
                                      const std::vector<Rgb>& palette) {
  const std::uint32_t rowBytes = RowBytes(picture.width, 8);
  const std::uint32_t imageSize = rowBytes * picture.height;
  const auto colours = static_cast<std::uint32_t>(palette.size());
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + colours * 4;
  ByteWriter out;
  FileHeader(out, offset + imageSize, offset);
  InfoHeader(out, picture.width, picture.height, 8, imageSize, colours);
  PaletteEntries(out, palette);
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x)
      out.U8(picture.index[static_cast<std::size_t>(y) * picture.width + x]);
    out.Zeros(rowBytes - static_cast<std::uint32_t>(picture.width));
  }
  return out.Take();
}

std::vector<std::uint8_t> BitmapFile4(const IndexedPicture& picture, const Palette16& palette) {
  const std::uint32_t imageSize = RowBytes(picture.width, 4) * picture.height;
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + 16 * 4;
  ByteWriter out;
  FileHeader(out, offset + imageSize, offset);
  InfoHeader(out, picture.width, picture.height, 4, imageSize, 16);
  PaletteEntries(out, palette);
  Rows4(out, picture, false);
  return out.Take();
}

std::vector<std::uint8_t> IconFile4(const IndexedPicture& picture, const Palette16& palette) {
  const std::uint32_t colourBytes = RowBytes(picture.width, 4) * picture.height;
  const std::uint32_t maskBytes = RowBytes(picture.width, 1) * picture.height;
  const std::uint32_t imageBytes = kInfoHeaderSize + 16 * 4 + colourBytes + maskBytes;
  ByteWriter out;
  IconDirectory(out, picture.width, picture.height, 16, 4, imageBytes);
  InfoHeader(out, picture.width, picture.height * 2, 4, colourBytes + maskBytes, 0);
  PaletteEntries(out, palette);
  Rows4(out, picture, true);  // black under the mask, so the screen shows through
  AndMask(out, picture.width, picture.height, picture.transparent);
  return out.Take();
}

std::vector<std::uint8_t> IconFile24(const Picture& picture) {
  const std::uint32_t rowBytes = RowBytes(picture.width, 24);
  const std::uint32_t colourBytes = rowBytes * picture.height;
  const std::uint32_t maskBytes = RowBytes(picture.width, 1) * picture.height;
  const std::uint32_t imageBytes = kInfoHeaderSize + colourBytes + maskBytes;
  ByteWriter out;
  IconDirectory(out, picture.width, picture.height, 0, 24, imageBytes);
  InfoHeader(out, picture.width, picture.height * 2, 24, colourBytes + maskBytes, 0);
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) {
      const std::size_t k = static_cast<std::size_t>(y) * picture.width + x;
      const Rgb colour = picture.transparent[k] ? Rgb{} : picture.pixels[k];
      out.U8(colour.b);
      out.U8(colour.g);
      out.U8(colour.r);
    }
    out.Zeros(rowBytes - 3u * picture.width);
  }
  AndMask(out, picture.width, picture.height, picture.transparent);
  return out.Take();
}

}  // namespace pelk::imagegen
