#include "bench/win32/ReferencePage.h"

#include <cstdint>

namespace pelk::bench {

namespace {

enum ControlId : int {
  kButtonOk = 1,
  kButtonUndo,
  kButtonInfo,
  kButtonRegistry,
  kTitle = 10,
  kMemoEnglish,
  kMemoGerman,
  kFrameLeft = 20,
  kFrameTop,
  kFrameBottom,
  kFrameRight,
  kCheckBox = 30,
};

constexpr COLORREF kFrameColour = RGB(140, 170, 230);
constexpr COLORREF kMemoColour = RGB(237, 242, 252);
constexpr COLORREF kTitleColour = RGB(1, 72, 178);
constexpr int kClientWidth = 292;
constexpr int kClientHeight = 426;
constexpr int kImageSize = 32;
constexpr int kStripSize = 128;  // four images per row, twelve images

const char kHelpText[] =
    "Mit dieser Einstellung blenden Sie im Kontextmen\xFC des Explorers die Eintr\xE4"
    "ge \"Kopieren nach\" und \"Verschieben nach\" f\xFCr alle Dateien und Ordner ein oder aus. "
    "Die Eintr\xE4ge \xF6"
    "ffnen einen Dialog, in dem Sie den Zielordner w\xE4hlen. Die \xC4nderung gilt sofort "
    "f\xFCr neu ge\xF6"
    "ffnete Explorer-Fenster.";

struct Control {
  const char* className;
  DWORD style;
  int id;
  int left, top, width, height;
  const char* text;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kMemo = WS_CHILD | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL;

// In the order a form would create them.
const Control kControls[] = {
    {"BUTTON", kChild | BS_OWNERDRAW, kButtonOk, 16, 381, 36, 36, ""},
    {"BUTTON", kChild | BS_OWNERDRAW, kButtonUndo, 56, 381, 36, 36, ""},
    {"BUTTON", kChild | BS_OWNERDRAW, kButtonInfo, 200, 381, 36, 36, ""},
    {"BUTTON", kChild | BS_OWNERDRAW, kButtonRegistry, 240, 381, 36, 36, ""},
    {"STATIC", kChild | SS_LEFT, kTitle, 16, 8, 257, 33, nullptr},
    {"EDIT", kMemo, kMemoEnglish, 16, 32, 259, 105, ""},
    {"EDIT", kMemo | WS_VISIBLE, kMemoGerman, 16, 32, 259, 105, kHelpText},
    {"STATIC", kChild, kFrameLeft, 0, 5, 5, 416, ""},
    {"STATIC", kChild, kFrameTop, 0, 0, 292, 5, ""},
    {"STATIC", kChild, kFrameBottom, 0, 421, 292, 5, ""},
    {"STATIC", kChild, kFrameRight, 287, 5, 5, 416, ""},
    {"BUTTON", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, kCheckBox, 20, 154, 250, 17,
     "Kontextmen\xFC f\xFCr Datei-Operationen anzeigen"},
};

GdiObject MakeFont(int height, int weight) {
  return GdiObject(CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, "Tahoma"));
}

}  // namespace

bool ReferencePage::RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = kClassName;
  return RegisterClassExA(&windowClass) != 0;
}

std::unique_ptr<ReferencePage> ReferencePage::Open(HINSTANCE instance,
                                                   const CreateArguments& arguments) {
  auto page = std::make_unique<ReferencePage>(Key());
  if (!page->Build(instance, arguments))
    return nullptr;
  return page;
}

bool ReferencePage::MakeImageStrip() {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kStripSize;
  info.bmiHeader.biHeight = -kStripSize;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  strip_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!strip_ || !bits)
    return false;
  // Blue tiles shaded from the top left, as the module's image list holds them.
  auto* pixel = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < kStripSize; ++y) {
    for (int x = 0; x < kStripSize; ++x) {
      const int shade = ((x % kImageSize) + (y % kImageSize)) * 2;
      const std::uint32_t blue = static_cast<std::uint32_t>(255 - shade / 2);
      const std::uint32_t green = static_cast<std::uint32_t>(160 - shade / 2);
      pixel[y * kStripSize + x] = (green << 8) | blue | (40u << 16);
    }
  }
  stripDc_.reset(CreateCompatibleDC(nullptr));
  if (!stripDc_)
    return false;
  stripDcOriginal_ = SelectObject(stripDc_.get(), strip_.get());
  return true;
}

bool ReferencePage::Build(HINSTANCE instance, const CreateArguments& arguments) {
  font_ = MakeFont(11, FW_NORMAL);
  titleFont_ = MakeFont(12, FW_BOLD);
  whiteBrush_.reset(CreateSolidBrush(RGB(255, 255, 255)));
  frameBrush_.reset(CreateSolidBrush(kFrameColour));
  memoBrush_.reset(CreateSolidBrush(kMemoColour));
  if (!font_ || !titleFont_ || !whiteBrush_ || !frameBrush_ || !memoBrush_)
    return false;
  if (!MakeImageStrip())
    return false;

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT bounds{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&bounds, style, FALSE, 0);
  window_ = CreateWindowExA(0, kClassName, arguments.Caption, style, arguments.Left, arguments.Top,
                            bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr,
                            nullptr, instance, this);
  if (!window_)
    return false;

  for (const Control& control : kControls) {
    HWND child = CreateWindowExA(
        0, control.className, control.text ? control.text : arguments.Caption, control.style,
        control.left, control.top, control.width, control.height, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
    if (!child)
      return false;
    const HGDIOBJ font = control.id == kTitle ? titleFont_.get() : font_.get();
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  ShowWindow(window_, SW_SHOWNORMAL);
  SetForegroundWindow(window_);
  return true;
}

ReferencePage::~ReferencePage() {
  if (window_) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  if (stripDc_ && stripDcOriginal_)
    SelectObject(stripDc_.get(), stripDcOriginal_);
}

LRESULT ReferencePage::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC: {
      const HDC dc = reinterpret_cast<HDC>(wParam);
      const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
      if (id >= kFrameLeft && id <= kFrameRight) {
        return reinterpret_cast<LRESULT>(frameBrush_.get());
      }
      if (id == kMemoEnglish || id == kMemoGerman) {
        SetBkColor(dc, kMemoColour);
        return reinterpret_cast<LRESULT>(memoBrush_.get());
      }
      SetBkColor(dc, RGB(255, 255, 255));
      if (id == kTitle)
        SetTextColor(dc, kTitleColour);
      return reinterpret_cast<LRESULT>(whiteBrush_.get());
    }
    case WM_CTLCOLORBTN:
      return reinterpret_cast<LRESULT>(whiteBrush_.get());
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const int image = (static_cast<int>(item->CtlID) - kButtonOk) * 2;
      FillRect(item->hDC, &item->rcItem, static_cast<HBRUSH>(whiteBrush_.get()));
      BitBlt(item->hDC, 2, 2, kImageSize, kImageSize, stripDc_.get(), (image % 4) * kImageSize,
             (image / 4) * kImageSize, SRCCOPY);
      return TRUE;
    }
    default:
      return DefWindowProcA(window_, message, wParam, lParam);
  }
}

LRESULT CALLBACK ReferencePage::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* page = reinterpret_cast<ReferencePage*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!page || !page->window_)
    return DefWindowProcA(window, message, wParam, lParam);
  return page->Handle(message, wParam, lParam);
}

}  // namespace pelk::bench
