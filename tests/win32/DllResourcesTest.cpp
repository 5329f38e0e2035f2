// The DLL's resources as the system and the page read them: the version resource's language, the
// tip's icon (one image of 24 bits per pixel) through the system's icon loader, and the image
// strip through the page's bitmap reader.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/gui/TBitmap.h"
#include "platform/win32/Win32IconResource.h"

namespace pelk {
namespace {

class DllResources : public ::testing::Test {
 protected:
  void SetUp() override {
    dll = LoadLibraryExA("Pelk412.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(dll, nullptr) << "error " << GetLastError();
  }
  void TearDown() override {
    if (dll)
      FreeLibrary(dll);
  }
  HMODULE dll = nullptr;
};

// The bitmap's pixels as 0x00RRGGBB, top row first.
std::vector<std::uint32_t> Pixels32(HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  const int rows =
      GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != height)
    pixels.clear();
  for (std::uint32_t& pixel : pixels)
    pixel &= 0xFFFFFFu;
  return pixels;
}

TEST_F(DllResources, TipIconLoadsWithItsExactColoursAndMask) {
  HICON icon = static_cast<HICON>(LoadImageA(dll, "TIPICON", IMAGE_ICON, 32, 32, 0));
  ASSERT_NE(icon, nullptr) << "error " << GetLastError();
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  ASSERT_NE(info.hbmColor, nullptr);
  const std::vector<std::uint32_t> colour = Pixels32(info.hbmColor, 32, 32);
  const std::vector<std::uint32_t> mask = Pixels32(info.hbmMask, 32, 32);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);
  ASSERT_EQ(colour.size(), 32u * 32u);
  ASSERT_EQ(mask.size(), 32u * 32u);
  auto at = [](const std::vector<std::uint32_t>& pixels, int x, int y) {
    return pixels[static_cast<std::size_t>(y) * 32 + x];
  };
  EXPECT_EQ(at(colour, 5, 13), 0x316AC5u);  // the highlighted menu entry
  EXPECT_EQ(at(colour, 12, 4), 0xFCFCFCu);  // the menu's face
  EXPECT_EQ(at(colour, 5, 21), 0xE2E4ECu);  // the menu's icon column
  EXPECT_EQ(at(mask, 5, 13), 0u);
  EXPECT_EQ(at(mask, 0, 31), 0xFFFFFFu);  // outside the menu's shadow: the screen shows
  EXPECT_EQ(at(colour, 0, 31), 0u);
  // The caption's small icon is made from the same image.
  HICON small = static_cast<HICON>(LoadImageA(dll, "TIPICON", IMAGE_ICON, 16, 16, 0));
  EXPECT_NE(small, nullptr);
  if (small)
    DestroyIcon(small);
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR found) {
  reinterpret_cast<std::vector<WORD>*>(found)->push_back(language);
  return TRUE;
}

std::string_view ResourceData(HMODULE dll, HRSRC found) {
  HGLOBAL loaded = found != nullptr ? LoadResource(dll, found) : nullptr;
  if (loaded == nullptr)
    return {};
  return {static_cast<const char*>(LockResource(loaded)), SizeofResource(dll, found)};
}

std::uint32_t Le(std::string_view bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}

TEST_F(DllResources, VersionIsFiledAsGermanAndTheTipIconIsOne32SquareImageAt24Bits) {
  std::vector<WORD> languages;
  EnumResourceLanguagesA(dll, MAKEINTRESOURCEA(16), MAKEINTRESOURCEA(1),  // RT_VERSION
                         CollectLanguage, reinterpret_cast<LONG_PTR>(&languages));
  EXPECT_EQ(languages, std::vector<WORD>{MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN)});

  // The icon group's directory: one entry, 32 x 32, 24 bits per pixel; and the image it names.
  const std::string_view group =
      ResourceData(dll, FindResourceA(dll, "TIPICON", MAKEINTRESOURCEA(14)));  // RT_GROUP_ICON
  ASSERT_EQ(group.size(), 6u + 14u);
  EXPECT_EQ(Le(group, 4, 2), 1u) << "images";
  EXPECT_EQ(Le(group, 6, 1), 32u);
  EXPECT_EQ(Le(group, 7, 1), 32u);
  EXPECT_EQ(Le(group, 8, 1), 0u) << "no palette";
  EXPECT_EQ(Le(group, 12, 2), 24u) << "bits per pixel";
  const std::string_view image = ResourceData(
      dll, FindResourceA(dll, MAKEINTRESOURCEA(Le(group, 18, 2)), MAKEINTRESOURCEA(3)));  // RT_ICON
  ASSERT_GE(image.size(), 40u);
  EXPECT_EQ(Le(image, 4, 4), 32u);
  EXPECT_EQ(Le(image, 14, 2), 24u);
  EXPECT_EQ(image.size(), 40u + 32u * 32u * 3u + 32u * 4u) << "colours and mask, no palette";
}

// The colour image and the mask of an icon, one after the other.
std::vector<std::uint32_t> IconPixels(HICON icon, int size) {
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info))
    return {};
  std::vector<std::uint32_t> pixels = Pixels32(info.hbmColor, size, size);
  const std::vector<std::uint32_t> mask = Pixels32(info.hbmMask, size, size);
  pixels.insert(pixels.end(), mask.begin(), mask.end());
  BITMAP colour{};
  GetObjectA(info.hbmColor, sizeof colour, &colour);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  if (colour.bmWidth != size || colour.bmHeight != size)
    return {};
  return pixels;
}

TEST_F(DllResources, IconsBuiltFromTheResourceBitsMatchWhatTheSystemLoaderMakes) {
  for (int size : {32, 16}) {
    SCOPED_TRACE(size);
    HICON system = static_cast<HICON>(LoadImageA(dll, "TIPICON", IMAGE_ICON, size, size, 0));
    HICON own = LoadIconResource(dll, "TIPICON", size);
    ASSERT_NE(own, nullptr);
    const std::vector<std::uint32_t> expected = IconPixels(system, size);
    const std::vector<std::uint32_t> actual = IconPixels(own, size);
    DestroyIcon(system);
    DestroyIcon(own);
    ASSERT_EQ(expected.size(), 2u * size * size);
    EXPECT_EQ(actual, expected);
  }
  EXPECT_EQ(LoadIconResource(dll, "NOSUCHICON", 32), nullptr);
  EXPECT_EQ(LoadIconResource(dll, "IMAGELIST1", 32), nullptr);  // not an icon
}

TEST_F(DllResources, ImageStripReadsAsTwelveBlueTiles) {
  HRSRC found = FindResourceA(dll, "IMAGELIST1", MAKEINTRESOURCEA(10));  // RT_RCDATA
  ASSERT_NE(found, nullptr);
  HGLOBAL loaded = LoadResource(dll, found);
  ASSERT_NE(loaded, nullptr);
  const std::string_view bytes(static_cast<const char*>(LockResource(loaded)),
                               SizeofResource(dll, found));
  EXPECT_EQ(static_cast<unsigned char>(bytes.at(28)), 8u);  // bits per pixel
  TBitmap strip;
  ASSERT_TRUE(strip.LoadFromBmp(bytes));
  ASSERT_EQ(strip.Width(), 128);
  ASSERT_EQ(strip.Height(), 96);
  for (int tile = 0; tile < 12; ++tile) {
    SCOPED_TRACE(tile);
    const std::uint32_t corner = strip.Pixel((tile % 4) * 32 + 3, (tile / 4) * 32 + 3);
    const int red = static_cast<int>(corner >> 16);
    const int blue = static_cast<int>(corner & 0xFF);
    EXPECT_GT(blue, red + 60);
  }
}

}  // namespace
}  // namespace pelk
