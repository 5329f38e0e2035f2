#pragma once
#include "platform/gui/TWinControl.h"

namespace pelk {

// A plain area of colour, with an optional bevel and caption.
class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* owner);
  static const ClassInfo& StaticClass();
  // A panel with nothing to read (no caption, no controls on it) only frames the page.
  TAccessibleRole AccessibleRole() const override {
    return Caption().empty() && ControlCount() == 0 ? TAccessibleRole::Decoration
                                                    : TAccessibleRole::System;
  }
  const ClassInfo& Class() const override { return StaticClass(); }

  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut bevel);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut bevel);

 private:
  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
  TBevelCut bevelInner_ = TBevelCut::bvNone;
};

}  // namespace pelk
