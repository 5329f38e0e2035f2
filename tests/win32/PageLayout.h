#pragma once
#include "platform/win32/WindowsApi.h"

namespace pelk {

// Where the page's controls lie in its client area. Positions are those of the reference
// client size 292 x 426, moved by the anchors when the client area has another size: the check
// box keeps its place, the button row keeps 9 pixels to the bottom, Info and Registry keep
// their distance to the right edge.
class PageLayout {
 public:
  explicit PageLayout(HWND page);
  PageLayout(int clientWidth, int clientHeight) : width_(clientWidth), height_(clientHeight) {}

  RECT CheckBox() const { return Rect(20, 154, 250, 17); }
  RECT Ok() const { return Rect(16, ButtonTop(), 36, 36); }
  RECT Undo() const { return Rect(56, ButtonTop(), 36, 36); }
  RECT Info() const { return Rect(width_ - 92, ButtonTop(), 36, 36); }
  RECT Registry() const { return Rect(width_ - 52, ButtonTop(), 36, 36); }
  // A point on the page's white background, away from every control.
  POINT Background() const { return POINT{width_ / 2, 260}; }

  int ClientWidth() const { return width_; }
  int ClientHeight() const { return height_; }

  static POINT Centre(const RECT& rect) {
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }
  // The check box's own square, where a click toggles it whatever the caption's extent.
  POINT CheckBoxSquare() const { return POINT{CheckBox().left + 6, CheckBox().top + 8}; }

 private:
  int ButtonTop() const { return height_ - 45; }
  static RECT Rect(int left, int top, int width, int height) {
    return RECT{left, top, left + width, top + height};
  }

  int width_ = 292;
  int height_ = 426;
};

}  // namespace pelk
