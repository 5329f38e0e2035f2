#pragma once
#include <string>

#include "platform/gui/GuiTypes.h"

namespace pelk {

enum TFontStyle : unsigned { fsBold = 1u, fsItalic = 2u, fsUnderline = 4u, fsStrikeOut = 8u };
using TFontStyles = unsigned;

constexpr int ANSI_CHARSET_ID = 0;
constexpr int DEFAULT_CHARSET_ID = 1;

// A font as controls carry it. Height < 0 is the character height in pixels, > 0 the cell
// height.
struct TFont {
  std::string Name = "MS Sans Serif";
  int Height = -11;
  TColor Color = clWindowText;
  TFontStyles Style = 0;
  int Charset = DEFAULT_CHARSET_ID;

  bool operator==(const TFont& other) const {
    return Name == other.Name && Height == other.Height && Color == other.Color &&
           Style == other.Style && Charset == other.Charset;
  }
  bool operator!=(const TFont& other) const { return !(*this == other); }
};

}  // namespace pelk
