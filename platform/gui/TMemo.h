#pragma once
#include <string>
#include <vector>

#include "platform/gui/TWinControl.h"

namespace pelk {

// A multi-line text box.
class TMemo : public TWinControl {
 public:
  explicit TMemo(TComponent* owner);
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  const std::vector<std::string>& Lines() const { return lines_; }
  void SetLines(const std::vector<std::string>& lines);
  // The lines joined by CR LF.
  std::string Text() const;
  // Replaces all lines; CR LF, LF and a lone CR each end a line.
  void SetText(const std::string& text);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle bars);

 private:
  std::vector<std::string> lines_;
  bool readOnly_ = false;
  bool wordWrap_ = true;
  TScrollStyle scrollBars_ = TScrollStyle::ssNone;
};

}  // namespace pelk
