#include "platform/gui/TMemo.h"

#include "platform/gui/PropertyNames.h"

namespace pelk {

const ClassInfo& TMemo::StaticClass() {
  static const ClassInfo info{
      "TMemo",
      &TWinControl::StaticClass(),
      &detail::CreateOwned<TMemo>,
      {Property<&TMemo::SetLines>("Lines.Strings"), Property<&TMemo::SetReadOnly>("ReadOnly"),
       Property<&TMemo::SetScrollBars>("ScrollBars", ScrollStyleNames()),
       Property<&TMemo::SetWordWrap>("WordWrap")},
      {},
      {},
      {}};
  return info;
}

TMemo::TMemo(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 185, 89);
  SetColor(clWindow);
  SetTabStop(true);
}

void TMemo::SetLines(const std::vector<std::string>& lines) {
  lines_ = lines;
  if (peer_)
    peer_->TextChanged();
}

std::string TMemo::Text() const {
  std::string text;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0)
      text += "\r\n";
    text += lines_[i];
  }
  return text;
}

void TMemo::SetText(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      open = false;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
        ++i;
    } else {
      line += c;
      open = true;
    }
  }
  if (open)
    lines.push_back(line);
  SetLines(lines);
}

void TMemo::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  Invalidate();
}

void TMemo::SetWordWrap(bool wrap) {
  wordWrap_ = wrap;
  Invalidate();
}

void TMemo::SetScrollBars(TScrollStyle bars) {
  if (static_cast<int>(bars) < 0 || bars > TScrollStyle::ssBoth)
    bars = TScrollStyle::ssNone;
  scrollBars_ = bars;
  Invalidate();
}

}  // namespace pelk
