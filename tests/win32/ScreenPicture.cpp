#include "tests/win32/ScreenPicture.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

namespace pelk {

namespace {

std::string Le16(std::size_t v) {
  return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}

std::string Be32(std::uint32_t v) {
  return std::string{static_cast<char>(v >> 24), static_cast<char>(v >> 16),
                     static_cast<char>(v >> 8), static_cast<char>(v)};
}

std::string Chunk(const char* type, const std::string& data) {
  const std::string body = std::string(type) + data;
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char c : body) {
    crc ^= c;
    for (int k = 0; k < 8; ++k)
      crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return Be32(static_cast<std::uint32_t>(data.size())) + body + Be32(~crc);
}

// PNG's filtered rows (filter byte 0, then RGB) of a screen rectangle; empty if unreadable.
std::string ScreenRows(int left, int top, int width, int height) {
  // One copy of the rectangle into a top-down 32-bit DIB.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
  GdiFlush();
  std::string rows;
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (int y = 0; y < height && pixels != nullptr; ++y) {
    rows += '\0';
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[y * width + x];
      rows += static_cast<char>((p >> 16) & 0xFF);
      rows += static_cast<char>((p >> 8) & 0xFF);
      rows += static_cast<char>(p & 0xFF);
    }
  }
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return rows;
}

// A zlib stream of stored (uncompressed) blocks.
std::string Stored(const std::string& raw) {
  std::string zlib = "\x78\x01";
  for (std::size_t at = 0; at < raw.size(); at += 65535) {
    const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
    zlib += static_cast<char>(at + n == raw.size() ? 1 : 0);
    zlib += Le16(n) + Le16(~n & 0xFFFF);
    zlib += raw.substr(at, n);
  }
  std::uint32_t a = 1, b = 0;
  for (unsigned char c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  return zlib + Be32(b << 16 | a);
}

}  // namespace

COLORREF ScreenPixel(HWND window, POINT client) {
  ClientToScreen(window, &client);
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, client.x, client.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

bool SaveScreenPicture(const std::string& path, HWND window) {
  RECT client{};
  POINT origin{0, 0};
  if (!GetClientRect(window, &client) || !ClientToScreen(window, &origin))
    return false;
  const int width = client.right;
  const int height = client.bottom;
  const std::string rows = ScreenRows(origin.x, origin.y, width, height);
  if (rows.empty())
    return false;
  std::string png = "\x89PNG\r\n\x1a\n";
  png += Chunk("IHDR", Be32(width) + Be32(height) + std::string("\x08\x02\x00\x00\x00", 5));
  png += Chunk("IDAT", Stored(rows));
  png += Chunk("IEND", "");
  std::ofstream out(path, std::ios::binary);
  out << png;
  return out.good();
}

}  // namespace pelk
