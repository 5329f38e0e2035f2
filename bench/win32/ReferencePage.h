#pragma once
#include <windows.h>

#include <memory>
#include <type_traits>

#include "bench/win32/ModuleLibrary.h"

namespace pelk::bench {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const {
    if (object)
      DeleteObject(object);
  }
};
using GdiObject = std::unique_ptr<std::remove_pointer_t<HGDIOBJ>, GdiObjectDeleter>;

struct MemoryDcDeleter {
  void operator()(HDC dc) const {
    if (dc)
      DeleteDC(dc);
  }
};
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

// The yardstick for the module's open latency: the same page as a hand-written window would
// build it, twelve controls made by direct CreateWindowEx calls (four owner-drawn image buttons,
// four frame panels, the title, two read-only help memos, the check box) on a white top-level
// window with the tip's fonts, colours and a 32-bit image strip.
class ReferencePage {
 public:
  static constexpr const char* kClassName = "PelkBenchReferencePage";

  [[nodiscard]] static bool RegisterWindowClass(HINSTANCE instance);
  // Builds and shows the page; nothing when a window could not be made.
  [[nodiscard]] static std::unique_ptr<ReferencePage> Open(HINSTANCE instance,
                                                           const CreateArguments& arguments);

  // Only Open() makes pages; the key keeps the constructor out of other hands.
  class Key {
    friend class ReferencePage;
    Key() = default;
  };
  explicit ReferencePage(Key) {}
  ReferencePage(const ReferencePage&) = delete;
  ReferencePage& operator=(const ReferencePage&) = delete;
  ~ReferencePage();

  [[nodiscard]] HWND Window() const { return window_; }

 private:
  [[nodiscard]] bool Build(HINSTANCE instance, const CreateArguments& arguments);
  [[nodiscard]] bool MakeImageStrip();
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  GdiObject font_;
  GdiObject titleFont_;
  GdiObject whiteBrush_;
  GdiObject frameBrush_;
  GdiObject memoBrush_;
  GdiObject strip_;
  MemoryDc stripDc_;
  HGDIOBJ stripDcOriginal_ = nullptr;
};

}  // namespace pelk::bench
