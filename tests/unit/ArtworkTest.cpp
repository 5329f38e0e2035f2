#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "platform/headless/EmbeddedResources.h"
#include "tools/imagegen/Artwork.h"
#include "tools/imagegen/Quantize.h"

namespace pelk {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadSourceFile(const std::string& relativePath) {
  std::ifstream in(std::string(PELK_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes EmbeddedResource(const char* name) {
  for (const pelk::EmbeddedResource* entry = kEmbeddedResources; entry->name; ++entry) {
    if (std::strcmp(entry->name, name) == 0)
      return Bytes(entry->data, entry->data + entry->size);
  }
  return {};
}

std::uint32_t U16(const Bytes& bytes, std::size_t at) {
  return bytes.at(at) | (static_cast<std::uint32_t>(bytes.at(at + 1)) << 8);
}
std::uint32_t U32(const Bytes& bytes, std::size_t at) {
  return U16(bytes, at) | (U16(bytes, at + 2) << 16);
}

struct Bgra {
  int b, g, r, a;
  int Brightness() const { return r + g + b; }
  bool NearWhite() const { return r > 235 && g > 235 && b > 235; }
};

constexpr int kStripWidth = 128;
constexpr int kStripHeight = 96;
constexpr std::size_t kStripRowBytes = kStripWidth;  // one byte a pixel, no padding

// The size of the 8-bit strip file with the palette its header announces.
std::size_t StripFileSize(const Bytes& bmp) {
  return 54u + 4u * U32(bmp, 46) + kStripRowBytes * kStripHeight;
}

// Pixel (x, y) counted from the top left of the 128x96 bottom-up 8-bit strip.
Bgra StripPixel(const Bytes& bmp, int x, int y) {
  const std::size_t index =
      bmp.at(U32(bmp, 10) + static_cast<std::size_t>(kStripHeight - 1 - y) * kStripRowBytes + x);
  const std::size_t at = 54 + index * 4;
  return {bmp.at(at), bmp.at(at + 1), bmp.at(at + 2), 0xFF};
}

int WhitePixelsOfTile(const Bytes& bmp, int tile) {
  int count = 0;
  for (int y = 4; y < 28; ++y) {  // inside the rounded corners
    for (int x = 4; x < 28; ++x) {
      if (StripPixel(bmp, (tile % 4) * 32 + x, (tile / 4) * 32 + y).NearWhite())
        ++count;
    }
  }
  return count;
}

TEST(Artwork, CommittedImageStripIsTheEmbeddedOneAndTheGeneratorReproducesIt) {
  const Bytes committed = ReadSourceFile("template/images/ImageList1.bmp");
  ASSERT_FALSE(committed.empty());
  EXPECT_EQ(EmbeddedResource("IMAGELIST1"), committed);
  EXPECT_EQ(imagegen::ImageListBitmap(), committed);
}

TEST(Artwork, ImageStripIsExactlyTheTwelveTilesAs8BitPalettedBottomUpBitmapFile) {
  const Bytes bmp = ReadSourceFile("template/images/ImageList1.bmp");
  ASSERT_GE(bmp.size(), 54u);
  const std::uint32_t colours = U32(bmp, 46);  // all of them listed
  ASSERT_GE(colours, 2u);
  ASSERT_LE(colours, static_cast<std::uint32_t>(imagegen::kImageListColours));
  ASSERT_EQ(bmp.size(), StripFileSize(bmp));
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(U32(bmp, 2), bmp.size());
  EXPECT_EQ(U32(bmp, 10), 54u + 4u * colours);  // pixels right after the palette
  EXPECT_EQ(U32(bmp, 14), 40u);
  EXPECT_EQ(U32(bmp, 18), static_cast<std::uint32_t>(kStripWidth));
  EXPECT_EQ(U32(bmp, 22), static_cast<std::uint32_t>(kStripHeight));  // positive: bottom-up
  EXPECT_EQ(U16(bmp, 26), 1u);
  EXPECT_EQ(U16(bmp, 28), 8u);
  EXPECT_EQ(U32(bmp, 30), 0u);  // BI_RGB
  for (std::size_t at = U32(bmp, 10); at < bmp.size(); ++at)
    ASSERT_LT(bmp[at], colours) << "pixel byte " << at;
  EXPECT_EQ(kStripWidth / 32 * (kStripHeight / 32), imagegen::kTileCount);
}

TEST(Artwork, ImageStripLosesNoMoreThanAFewLevelsToItsPalette) {
  const Bytes bmp = ReadSourceFile("template/images/ImageList1.bmp");
  ASSERT_EQ(bmp.size(), StripFileSize(bmp));
  const imagegen::Picture drawn = imagegen::ImageListPicture();
  ASSERT_EQ(drawn.width, kStripWidth);
  ASSERT_EQ(drawn.height, kStripHeight);
  int exact = 0;
  for (int y = 0; y < kStripHeight; ++y) {
    for (int x = 0; x < kStripWidth; ++x) {
      const imagegen::Rgb want = drawn.pixels[static_cast<std::size_t>(y) * kStripWidth + x];
      const Bgra got = StripPixel(bmp, x, y);
      const int error =
          std::max({std::abs(got.r - want.r), std::abs(got.g - want.g), std::abs(got.b - want.b)});
      ASSERT_LE(error, 8) << x << "," << y;
      exact += error == 0;
    }
  }
  // The large areas (the gradients, the white of the symbols) keep their exact colours.
  EXPECT_GT(exact, kStripWidth * kStripHeight * 8 / 10);
}

TEST(Artwork, QuantizingKeepsFewColoursExactlyAndCutsManyToThePaletteSize) {
  imagegen::Picture few(8, 8);
  const imagegen::Rgb colours[5] = {
      {255, 255, 255}, {0, 0, 0}, {200, 10, 10}, {10, 200, 10}, {1, 2, 3}};
  for (int k = 0; k < 64; ++k)
    few.pixels[static_cast<std::size_t>(k)] = colours[k < 40 ? 0 : k % 5];
  few.transparent[3] = true;
  const imagegen::QuantizedPicture kept = imagegen::Quantize(few, 256);
  EXPECT_EQ(kept.palette.size(), 5u);
  EXPECT_EQ(kept.picture.transparent, few.transparent);
  for (std::size_t k = 0; k < 64; ++k) {
    const imagegen::Rgb& got = kept.palette.at(kept.picture.index[k]);
    const imagegen::Rgb& want = few.pixels[k];
    ASSERT_TRUE(got.r == want.r && got.g == want.g && got.b == want.b) << k;
  }
  // Two colours for five: the white that covers most of the picture stays exact.
  const imagegen::QuantizedPicture two = imagegen::Quantize(few, 2);
  ASSERT_EQ(two.palette.size(), 2u);
  const imagegen::Rgb& white = two.palette.at(two.picture.index[0]);
  EXPECT_TRUE(white.r == 255 && white.g == 255 && white.b == 255);

  // A ramp of 256 grays in 16 colours: every pixel within half a step of 16 levels.
  imagegen::Picture ramp(256, 1);
  for (int x = 0; x < 256; ++x) {
    const auto level = static_cast<std::uint8_t>(x);
    ramp.pixels[static_cast<std::size_t>(x)] = {level, level, level};
  }
  const imagegen::QuantizedPicture cut = imagegen::Quantize(ramp, 16);
  EXPECT_EQ(cut.palette.size(), 16u);
  for (int x = 0; x < 256; ++x) {
    const imagegen::Rgb& got = cut.palette.at(cut.picture.index[static_cast<std::size_t>(x)]);
    ASSERT_LE(std::abs(got.g - x), 8) << x;
  }
}

TEST(Artwork, TilesAreShadedBlueWithWhiteSymbolsBolderAndBrighterWhenHot) {
  const Bytes bmp = ReadSourceFile("template/images/ImageList1.bmp");
  ASSERT_EQ(bmp.size(), StripFileSize(bmp));
  for (int tile = 0; tile < imagegen::kTileCount; ++tile) {
    SCOPED_TRACE(tile);
    const int left = (tile % 4) * 32;
    const int top = (tile / 4) * 32;
    // Blue where no symbol is, lighter at the top left than at the bottom right.
    const Bgra topLeft = StripPixel(bmp, left + 3, top + 3);
    const Bgra bottomRight = StripPixel(bmp, left + 28, top + 28);
    EXPECT_GT(topLeft.b, topLeft.r + 60);
    EXPECT_GT(bottomRight.b, bottomRight.r + 60);
    EXPECT_GT(topLeft.Brightness(), bottomRight.Brightness() + 60);
    // A symbol of some size, never the whole tile.
    const int white = WhitePixelsOfTile(bmp, tile);
    EXPECT_GT(white, 40);
    EXPECT_LT(white, 24 * 24 / 2);
    if (tile % 2 == 1) {
      EXPECT_GT(white, WhitePixelsOfTile(bmp, tile - 1));
      EXPECT_GT(topLeft.Brightness(), StripPixel(bmp, left - 32 + 3, top + 3).Brightness());
    }
  }
  // Each symbol differs from the others.
  for (int a = 0; a < imagegen::kTileCount; a += 2) {
    for (int b = a + 2; b < imagegen::kTileCount; b += 2) {
      int differing = 0;
      for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
          const Bgra pa = StripPixel(bmp, (a % 4) * 32 + x, (a / 4) * 32 + y);
          const Bgra pb = StripPixel(bmp, (b % 4) * 32 + x, (b / 4) * 32 + y);
          if (pa.NearWhite() != pb.NearWhite())
            ++differing;
        }
      }
      EXPECT_GT(differing, 30) << a << " vs " << b;
    }
  }
}

// Checks the one-image icon directory and the image's header; answers the image's offset.
std::size_t ExpectIcon(const Bytes& ico, unsigned colourCount, unsigned bitsPerPixel,
                       std::size_t imageBytes) {
  EXPECT_EQ(U16(ico, 0), 0u);
  EXPECT_EQ(U16(ico, 2), 1u);
  EXPECT_EQ(U16(ico, 4), 1u);
  EXPECT_EQ(ico.at(6), 32);
  EXPECT_EQ(ico.at(7), 32);
  EXPECT_EQ(ico.at(8), colourCount);
  EXPECT_EQ(U16(ico, 12), bitsPerPixel);
  EXPECT_EQ(U32(ico, 14), imageBytes);
  EXPECT_EQ(U32(ico, 18), 22u);
  EXPECT_EQ(ico.size(), 22 + imageBytes);
  EXPECT_EQ(U32(ico, 22), 40u);
  EXPECT_EQ(U32(ico, 26), 32u);
  EXPECT_EQ(U32(ico, 30), 64u);  // colour image and mask
  EXPECT_EQ(U16(ico, 36), bitsPerPixel);
  return 22;
}

// Whether the AND mask marks (x, y), counted from the top left, as transparent.
bool MaskedAt(const Bytes& ico, std::size_t maskOffset, int x, int y) {
  const std::uint8_t row = ico.at(maskOffset + static_cast<std::size_t>(31 - y) * 4 + x / 8);
  return (row & (0x80 >> (x % 8))) != 0;
}

TEST(Artwork, PageIconsAre32SquareWithMasksAndMatchTheGenerator) {
  const Bytes flask = ReadSourceFile("template/images/TfrmTippTemplate.ico");
  EXPECT_EQ(flask, imagegen::TemplateIcon());
  const std::size_t flaskImage = ExpectIcon(flask, 16, 4, 40 + 64 + 32 * 16 + 32 * 4);
  const std::size_t flaskMask = flaskImage + 40 + 64 + 32 * 16;
  EXPECT_TRUE(MaskedAt(flask, flaskMask, 0, 0));
  EXPECT_TRUE(MaskedAt(flask, flaskMask, 31, 31));
  EXPECT_FALSE(MaskedAt(flask, flaskMask, 16, 22));  // the flask's body
  EXPECT_FALSE(MaskedAt(flask, flaskMask, 16, 8));   // its neck

  // One image at 24 bits per pixel, no palette: colours, then the mask.
  const Bytes tip = ReadSourceFile("tip/TFormPelk412.ico");
  EXPECT_EQ(tip, imagegen::TipIcon());
  const std::size_t tipImage = ExpectIcon(tip, 0, 24, 40 + 32 * 32 * 3 + 32 * 4);
  EXPECT_EQ(U32(tip, tipImage + 32), 0u) << "no palette";
  const std::size_t tipPixels = tipImage + 40;
  const std::size_t tipMask = tipPixels + 32 * 32 * 3;
  EXPECT_TRUE(MaskedAt(tip, tipMask, 0, 31));
  EXPECT_FALSE(MaskedAt(tip, tipMask, 10, 10));
  // Masked pixels are black, so the screen shows through unchanged; the drawing has more colours
  // than a 16-colour icon could hold.
  std::set<std::uint32_t> colours;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const std::size_t at = tipPixels + static_cast<std::size_t>(31 - y) * 32 * 3 + x * 3;
      const std::uint32_t colour = tip.at(at) | tip.at(at + 1) << 8 | tip.at(at + 2) << 16;
      if (MaskedAt(tip, tipMask, x, y))
        ASSERT_EQ(colour, 0u) << x << "," << y;
      else
        colours.insert(colour);
    }
  }
  EXPECT_GE(colours.size(), 17u);
  EXPECT_EQ(colours.count(0x316AC5u), 1u) << "the highlighted menu entry, exactly";
}

TEST(Artwork, ButtonPaletteBitmapIs24SquareIn16Colours) {
  const Bytes bmp = ReadSourceFile("controls/THotSpeedButton.bmp");
  EXPECT_EQ(bmp, imagegen::HotSpeedButtonBitmap());
  ASSERT_EQ(bmp.size(), 54u + 64u + 24u * 12u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(U32(bmp, 10), 54u + 64u);
  EXPECT_EQ(U32(bmp, 18), 24u);
  EXPECT_EQ(U32(bmp, 22), 24u);
  EXPECT_EQ(U16(bmp, 28), 4u);
  EXPECT_EQ(U32(bmp, 46), 16u);
}

}  // namespace
}  // namespace pelk
