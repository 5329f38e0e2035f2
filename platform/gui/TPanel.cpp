#include "platform/gui/TPanel.h"

#include "platform/gui/PropertyNames.h"

namespace pelk {

const ClassInfo& TPanel::StaticClass() {
  static const ClassInfo info{"TPanel",
                              &TWinControl::StaticClass(),
                              &detail::CreateOwned<TPanel>,
                              {Property<&TPanel::SetBevelInner>("BevelInner", BevelNames()),
                               Property<&TPanel::SetBevelOuter>("BevelOuter", BevelNames())},
                              {},
                              {},
                              {}};
  return info;
}

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
  SetParentColor(false);
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
  if (static_cast<int>(bevel) < 0 || bevel > TBevelCut::bvSpace)
    bevel = TBevelCut::bvNone;
  bevelOuter_ = bevel;
  Invalidate();
}

void TPanel::SetBevelInner(TBevelCut bevel) {
  if (static_cast<int>(bevel) < 0 || bevel > TBevelCut::bvSpace)
    bevel = TBevelCut::bvNone;
  bevelInner_ = bevel;
  Invalidate();
}

}  // namespace pelk
