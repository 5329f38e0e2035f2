#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gui/TImageList.h"
#include "platform/gui/TMemo.h"
#include "platform/gui/TPanel.h"
#include "tests/unit/GuiTestSupport.h"

namespace pelk {
namespace {

using test::Tile;

std::string Le(std::uint32_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i)
    out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

// A BMP file as the image strip resource holds it.
std::string Bmp(int width, int height, int bits, bool topDown,
                std::uint32_t (*pixel)(int x, int y)) {
  const int bytesPerPixel = bits / 8;
  const int stride = (width * bytesPerPixel + 3) & ~3;
  std::string data;
  for (int row = 0; row < height; ++row) {
    const int y = topDown ? row : height - 1 - row;
    std::string line;
    for (int x = 0; x < width; ++x)
      line += Le(pixel(x, y), bytesPerPixel);
    line.resize(static_cast<std::size_t>(stride), '\0');
    data += line;
  }
  std::string file = "BM" + Le(static_cast<std::uint32_t>(54 + data.size()), 4) + Le(0, 4) +
                     Le(54, 4) + Le(40, 4) + Le(static_cast<std::uint32_t>(width), 4) +
                     Le(static_cast<std::uint32_t>(topDown ? -height : height), 4) + Le(1, 2) +
                     Le(static_cast<std::uint32_t>(bits), 2) + Le(0, 4) +
                     Le(static_cast<std::uint32_t>(data.size()), 4) + Le(2835, 4) + Le(2835, 4) +
                     Le(0, 4) + Le(0, 4);
  return file + data;
}

// An 8-bit BMP file whose pixel (x, y) is palette[index(x, y)]; coloursUsed goes into the header
// as it is (0 stands for 256), and the palette written has exactly palette.size() entries.
std::string Bmp8(int width, int height, bool topDown, const std::vector<std::uint32_t>& palette,
                 std::uint32_t coloursUsed, int (*index)(int x, int y)) {
  const int stride = (width + 3) & ~3;
  std::string table;
  for (std::uint32_t rgb : palette)
    table += Le(rgb, 4);
  std::string data;
  for (int row = 0; row < height; ++row) {
    const int y = topDown ? row : height - 1 - row;
    std::string line;
    for (int x = 0; x < width; ++x)
      line += static_cast<char>(index(x, y));
    line.resize(static_cast<std::size_t>(stride), '\xEE');  // padding is never read
    data += line;
  }
  const auto offset = static_cast<std::uint32_t>(54 + table.size());
  return "BM" + Le(static_cast<std::uint32_t>(offset + data.size()), 4) + Le(0, 4) + Le(offset, 4) +
         Le(40, 4) + Le(static_cast<std::uint32_t>(width), 4) +
         Le(static_cast<std::uint32_t>(topDown ? -height : height), 4) + Le(1, 2) + Le(8, 2) +
         Le(0, 4) + Le(static_cast<std::uint32_t>(data.size()), 4) + Le(2835, 4) + Le(2835, 4) +
         Le(coloursUsed, 4) + Le(0, 4) + table + data;
}

std::uint32_t Cell(int x, int y) {
  return static_cast<std::uint32_t>(((y / 32) * 4 + x / 32) << 16 | (y % 32) << 8 | (x % 32));
}

TEST(Controls, AMemosTextReplacesAllLinesAtEveryKindOfBreak) {
  auto owner = std::make_unique<TComponent>(nullptr);
  auto* memo = TComponent::Create<TMemo>(owner.get());
  memo->SetText("old\r\nlines\r\nhere");
  memo->SetText("first\r\nsecond\nthird\rfourth\r\n\r\nsixth");
  EXPECT_EQ(memo->Lines(),
            (std::vector<std::string>{"first", "second", "third", "fourth", "", "sixth"}));
  EXPECT_EQ(memo->Text(), "first\r\nsecond\r\nthird\r\nfourth\r\n\r\nsixth");
  memo->SetText("ends with a break\r\n");
  EXPECT_EQ(memo->Lines(), std::vector<std::string>{"ends with a break"});
  memo->SetText("");
  EXPECT_TRUE(memo->Lines().empty());
  memo->SetText(std::string("Gültig\0x", 9));  // bytes pass unchanged, NUL included
  EXPECT_EQ(memo->Lines().front().size(), 9u);
}

TEST(Controls, ABitmapReadsStripsOfBothRowOrdersAndRefusesBrokenFiles) {
  for (bool topDown : {false, true}) {
    for (int bits : {24, 32}) {
      TBitmap strip;
      ASSERT_TRUE(strip.LoadFromBmp(Bmp(128, 128, bits, topDown, &Cell))) << bits << topDown;
      EXPECT_EQ(strip.Width(), 128);
      EXPECT_EQ(strip.Pixel(0, 0), Cell(0, 0));
      EXPECT_EQ(strip.Pixel(127, 0), Cell(127, 0));
      EXPECT_EQ(strip.Pixel(33, 127), Cell(33, 127));
    }
  }
  const std::string good = Bmp(4, 4, 32, false, &Cell);
  TBitmap bitmap;
  bitmap.SetSize(2, 2);
  for (const std::string& bad :
       {std::string(), good.substr(0, 60), "XM" + good.substr(2),
        good.substr(0, 28) + Le(8, 2) + good.substr(30),  // 8 bits per pixel
        good.substr(0, 30) + Le(1, 4) + good.substr(34),  // compressed
        good.substr(0, 18) + Le(0x7FFFFFFF, 4) + good.substr(22),
        good.substr(0, 22) + Le(0x80000000u, 4) + good.substr(26),
        good.substr(0, 10) + Le(0xFFFFFFF0u, 4) + good.substr(14)}) {
    EXPECT_FALSE(bitmap.LoadFromBmp(bad));
    EXPECT_EQ(bitmap.Width(), 2);
  }
}

TEST(Controls, ABitmapReadsPalettedStripsAndRefusesIndicesOutsideThePalette) {
  const std::vector<std::uint32_t> three = {0x102030, 0xFFFFFF, 0x3366CC};
  auto stripes = [](int x, int y) { return (x + 2 * y) % 3; };
  const std::uint32_t expected[3] = {0x102030, 0xFFFFFF, 0x3366CC};
  for (bool topDown : {false, true}) {
    SCOPED_TRACE(topDown);
    TBitmap strip;
    // 30 pixels wide: rows padded to 32 bytes.
    ASSERT_TRUE(strip.LoadFromBmp(Bmp8(30, 5, topDown, three, 3, stripes)));
    EXPECT_EQ(strip.Width(), 30);
    EXPECT_EQ(strip.Height(), 5);
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < 30; ++x)
        ASSERT_EQ(strip.Pixel(x, y), expected[stripes(x, y)]) << x << "," << y;
    }
  }
  // No count of colours used: the palette has all 256.
  std::vector<std::uint32_t> full(256);
  for (std::uint32_t i = 0; i < 256; ++i)
    full[i] = i * 0x010101u;
  TBitmap gray;
  ASSERT_TRUE(
      gray.LoadFromBmp(Bmp8(16, 16, false, full, 0, [](int x, int y) { return y * 16 + x; })));
  EXPECT_EQ(gray.Pixel(0, 0), 0u);
  EXPECT_EQ(gray.Pixel(15, 15), 0xFFFFFFu);
  EXPECT_EQ(gray.Pixel(3, 2), 35u * 0x010101u);

  TBitmap bitmap;
  bitmap.SetSize(2, 2);
  auto third = [](int x, int y) { return x == 1 && y == 1 ? 2 : 0; };
  for (const std::string& bad : {
           Bmp8(4, 4, false, {0x000000, 0xFFFFFF}, 2, third),  // index 2 of two colours
           Bmp8(4, 4, false, three, 257, stripes),             // more colours than 8 bits
           Bmp8(4, 4, false, three, 0, stripes),               // 256 colours claimed, 3 present
       }) {
    EXPECT_FALSE(bitmap.LoadFromBmp(bad));
    EXPECT_EQ(bitmap.Width(), 2);
  }
}

TEST(Controls, AnImageListCutsAStripIntoCellsAndDrawsOnlyTheImagesItHolds) {
  auto owner = std::make_unique<TComponent>(nullptr);
  auto* list = TComponent::Create<TImageList>(owner.get());
  list->SetWidth(32);
  list->SetHeight(32);
  TBitmap strip;
  ASSERT_TRUE(strip.LoadFromBmp(Bmp(128, 128, 32, false, &Cell)));
  list->AddStrip(strip);
  list->SetImageCount(12);
  EXPECT_EQ(list->Count(), 12);
  TBitmap image;
  list->GetBitmap(6, image);  // column 2, row 1
  EXPECT_EQ(image.Width(), 32);
  EXPECT_EQ(image.Pixel(0, 0), Cell(64, 32));
  EXPECT_EQ(image.Pixel(31, 31), Cell(95, 63));
  list->GetBitmap(12, image);
  EXPECT_TRUE(image.Empty());
  list->GetBitmap(-1, image);
  EXPECT_TRUE(image.Empty());

  list->SetImageStrip("NO_SUCH_STRIP");  // a missing resource leaves the list empty
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(list->Add(Tile(3, 40)), 0);  // larger images are cropped to the list's size
  list->GetBitmap(0, image);
  EXPECT_EQ(image.Width(), 32);
  EXPECT_EQ(image.Pixel(31, 0), Tile(3, 40).Pixel(31, 0));
}

// A control class with a setter of its own, as LockPage relies on.
class TCountingPanel : public TPanel {
 public:
  using TPanel::TPanel;
  void SetEnabled(bool enabled) override {
    ++calls;
    TPanel::SetEnabled(enabled);
  }
  int calls = 0;
};

TEST(Controls, EnabledGoesThroughTheClassesOwnSetterAndMulDivRounds) {
  auto owner = std::make_unique<TComponent>(nullptr);
  auto* panel = TComponent::Create<TCountingPanel>(owner.get());
  TComponent::Create<TImageList>(owner.get());
  for (int i = 0; i < owner->ComponentCount(); ++i) {
    if (auto* control = dynamic_cast<TControl*>(owner->Components(i)))
      control->SetEnabled(false);
  }
  EXPECT_EQ(panel->calls, 1);
  EXPECT_FALSE(panel->Enabled());

  EXPECT_EQ(MulDiv(292, 96, 120), 234);
  EXPECT_EQ(MulDiv(-11, 96, 120), -9);
  EXPECT_EQ(MulDiv(5, 1, 2), 3);
  EXPECT_EQ(MulDiv(-5, 1, 2), -3);
  EXPECT_EQ(MulDiv(7, 3, 0), 7);  // no division by zero
  EXPECT_EQ(MulDiv(2000000000, 2000000000, 1), 2147483647);

  // Coordinates stay in the 16-bit space whatever a caller asks.
  panel->SetBounds(-100000, 100000, -5, 2000000000);
  EXPECT_EQ(panel->Left(), kMinCoordinate);
  EXPECT_EQ(panel->Top(), kMaxCoordinate);
  EXPECT_EQ(panel->Width(), 0);
  EXPECT_EQ(panel->Height(), kMaxCoordinate);
}

}  // namespace
}  // namespace pelk
