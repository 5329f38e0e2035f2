#include "platform/gui/TStaticText.h"

#include "platform/gui/PropertyNames.h"

namespace pelk {

const ClassInfo& TStaticText::StaticClass() {
  static const ClassInfo info{"TStaticText",
                              &TWinControl::StaticClass(),
                              &detail::CreateOwned<TStaticText>,
                              {Property<&TStaticText::SetAlignment>("Alignment", AlignmentNames()),
                               Property<&TStaticText::SetAutoSize>("AutoSize")},
                              {},
                              {},
                              {}};
  return info;
}

TStaticText::TStaticText(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 65, 17);
}

void TStaticText::SetAlignment(TAlignment alignment) {
  if (static_cast<int>(alignment) < 0 || alignment > TAlignment::taCenter) {
    alignment = TAlignment::taLeftJustify;
  }
  alignment_ = alignment;
  Invalidate();
}

}  // namespace pelk
