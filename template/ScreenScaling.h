#pragma once
#include <functional>

namespace pelk {

class Dialogs;
class Screen;

// The resolution the page's layout was designed at.
constexpr int kDesignPixelsPerInch = 96;
constexpr const char* kBigScreenNotice = "Big";

// Called with multiplier and divisor to rescale the page and its controls.
using ScaleByFunction = std::function<void(int multiplier, int divisor)>;

// At the design resolution nothing happens. Otherwise the user is told ("Big"), the resolution
// is read again and the page scaled by 96 / that reading; a reading that is not positive cannot
// be a divisor, so the page then keeps its size. Answers whether the page was scaled (and needs
// repainting).
bool AdaptToScreenResolution(Screen& screen, Dialogs& dialogs, const ScaleByFunction& scaleBy);

}  // namespace pelk
