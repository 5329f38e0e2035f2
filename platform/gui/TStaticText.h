#pragma once
#include "platform/gui/TWinControl.h"

namespace pelk {

// A one-caption label in a window of its own.
class TStaticText : public TWinControl {
 public:
  explicit TStaticText(TComponent* owner);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

 private:
  bool autoSize_ = true;
  TAlignment alignment_ = TAlignment::taLeftJustify;
};

}  // namespace pelk
