#include "tests/win32/PageLayout.h"

namespace pelk {

PageLayout::PageLayout(HWND page) {
  RECT client{};
  if (GetClientRect(page, &client)) {
    width_ = client.right;
    height_ = client.bottom;
  }
}

}  // namespace pelk
