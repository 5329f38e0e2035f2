// A speed button: a window of the library's own that draws the button's glyph, pressed, hot and
// disabled looks, and turns the left button into clicks. It takes no keyboard focus.
#include <cstdint>
#include <vector>

#include "platform/gui/TSpeedButton.h"
#include "platform/win32/Win32PeerTable.h"
#include "platform/win32/Win32WindowClasses.h"

namespace pelk {

namespace {

class Win32SpeedButtonPeer final : public Win32WindowPeer {
 public:
  explicit Win32SpeedButtonPeer(TSpeedButton& button) : Win32WindowPeer(button), button_(button) {}

  // A speed button stays a live window, so hover notices reach it while it is disabled.
  void EnabledChanged() override {
    if (Window() != nullptr)
      InvalidateRect(Window(), nullptr, TRUE);
  }
  void TextChanged() override {}

 private:
  WindowClass Class() const override { return {Win32WindowClasses::kSpeedButton, true}; }
  DWORD Style() const override {
    return Win32WindowPeer::Style() & ~static_cast<DWORD>(WS_DISABLED);
  }
  std::string InitialText() const override { return std::string(); }
  bool UsesFont() const override { return false; }

  void Paint(HDC target) override {
    RECT rect;
    GetClientRect(Window(), &rect);
    BufferDc buffer(target, rect.right, rect.bottom);
    UniqueBrush background(CreateSolidBrush(ToColorRef(button_.EffectiveColor())));
    FillRect(buffer.get(), &rect, background.get());
    const TBitmap& glyph = button_.Glyph();
    if (!glyph.Empty()) {
      std::vector<std::uint32_t> pixels = glyph.Pixels();
      if (!button_.Enabled()) {
        for (std::uint32_t& pixel : pixels) {
          const std::uint32_t grey =
              (((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF)) / 3;
          const std::uint32_t light = (grey + 255) / 2;
          pixel = light << 16 | light << 8 | light;
        }
      }
      BITMAPINFO info{};
      info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
      info.bmiHeader.biWidth = glyph.Width();
      info.bmiHeader.biHeight = -glyph.Height();
      info.bmiHeader.biPlanes = 1;
      info.bmiHeader.biBitCount = 32;
      info.bmiHeader.biCompression = BI_RGB;
      const int shift = button_.Down() ? 1 : 0;
      const int x = (rect.right - glyph.Width()) / 2 + shift;
      const int y = (rect.bottom - glyph.Height()) / 2 + shift;
      SetDIBitsToDevice(buffer.get(), x, y, static_cast<DWORD>(glyph.Width()),
                        static_cast<DWORD>(glyph.Height()), 0, 0, 0,
                        static_cast<UINT>(glyph.Height()), pixels.data(), &info, DIB_RGB_COLORS);
    }
    if (button_.Down()) {
      DrawEdge(buffer.get(), &rect, BDR_SUNKENOUTER, BF_RECT);
    } else if (!button_.Flat() || (button_.MouseInControl() && button_.Enabled())) {
      DrawEdge(buffer.get(), &rect, button_.Flat() ? BDR_RAISEDINNER : EDGE_RAISED, BF_RECT);
    }
    BitBlt(target, 0, 0, rect.right, rect.bottom, buffer.get(), 0, 0, SRCCOPY);
  }

  LRESULT OnOwnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
    switch (msg) {
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        if (button_.Enabled()) {
          SetCapture(hwnd);
          button_.SetDown(true);
        }
        return 0;
      case WM_CAPTURECHANGED:
        button_.SetDown(false);
        return 0;
      case WM_LBUTTONUP:
        if (GetCapture() == hwnd) {
          const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
          RECT rect;
          GetClientRect(hwnd, &rect);
          ReleaseCapture();
          button_.SetDown(false);
          if (PtInRect(&rect, point))
            button_.UserClick();
        }
        return 0;
      default:
        return Win32WindowPeer::OnOwnMessage(hwnd, msg, wParam, lParam);
    }
  }

  TSpeedButton& button_;
};

}  // namespace

std::unique_ptr<Win32WindowPeer> MakeSpeedButtonPeer(TControl& control) {
  return std::make_unique<Win32SpeedButtonPeer>(static_cast<TSpeedButton&>(control));
}

}  // namespace pelk
