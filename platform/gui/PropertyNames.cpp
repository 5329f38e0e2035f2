#include "platform/gui/PropertyNames.h"

#include "platform/gui/GuiTypes.h"
#include "platform/gui/TFont.h"

namespace pelk {

namespace {
constexpr NameValue kColors[] = {
    {"clBlack", clBlack},
    {"clWhite", clWhite},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clNavy", 0x800000},
    {"clRed", 0x0000FF},
    {"clBlue", 0xFF0000},
    {"clSilver", 0xC0C0C0},
    {"clGray", 0x808080},
    {"clScrollBar", clScrollBar},
    {"clWindow", clWindow},
    {"clWindowText", clWindowText},
    {"clBtnFace", clBtnFace},
    {"clBtnText", clBtnText},
    {"clInfoBk", static_cast<int>(0x80000018u)},
};
constexpr NameValue kCursors[] = {
    {"crDefault", crDefault}, {"crArrow", crArrow},         {"crHandPoint", crHandPoint},
    {"crIBeam", crIBeam},     {"crHourGlass", crHourGlass},
};
constexpr NameValue kAnchors[] = {
    {"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}};
constexpr NameValue kAligns[] = {
    {"alNone", static_cast<int>(TAlign::alNone)},
    {"alTop", static_cast<int>(TAlign::alTop)},
    {"alBottom", static_cast<int>(TAlign::alBottom)},
    {"alLeft", static_cast<int>(TAlign::alLeft)},
    {"alRight", static_cast<int>(TAlign::alRight)},
    {"alClient", static_cast<int>(TAlign::alClient)},
};
constexpr NameValue kFontStyles[] = {{"fsBold", fsBold},
                                     {"fsItalic", fsItalic},
                                     {"fsUnderline", fsUnderline},
                                     {"fsStrikeOut", fsStrikeOut}};
constexpr NameValue kCharsets[] = {{"ANSI_CHARSET", ANSI_CHARSET_ID},
                                   {"DEFAULT_CHARSET", DEFAULT_CHARSET_ID},
                                   {"SYMBOL_CHARSET", 2},
                                   {"OEM_CHARSET", 255}};
constexpr NameValue kBorderStyles[] = {
    {"bsNone", static_cast<int>(TFormBorderStyle::bsNone)},
    {"bsSingle", static_cast<int>(TFormBorderStyle::bsSingle)},
    {"bsSizeable", static_cast<int>(TFormBorderStyle::bsSizeable)},
    {"bsDialog", static_cast<int>(TFormBorderStyle::bsDialog)},
    {"bsToolWindow", static_cast<int>(TFormBorderStyle::bsToolWindow)},
    {"bsSizeToolWin", static_cast<int>(TFormBorderStyle::bsSizeToolWin)},
};
constexpr NameValue kBorderIcons[] = {{"biSystemMenu", biSystemMenu},
                                      {"biMinimize", biMinimize},
                                      {"biMaximize", biMaximize},
                                      {"biHelp", biHelp}};
constexpr NameValue kBevels[] = {
    {"bvNone", static_cast<int>(TBevelCut::bvNone)},
    {"bvLowered", static_cast<int>(TBevelCut::bvLowered)},
    {"bvRaised", static_cast<int>(TBevelCut::bvRaised)},
    {"bvSpace", static_cast<int>(TBevelCut::bvSpace)},
};
constexpr NameValue kScrollStyles[] = {
    {"ssNone", static_cast<int>(TScrollStyle::ssNone)},
    {"ssHorizontal", static_cast<int>(TScrollStyle::ssHorizontal)},
    {"ssVertical", static_cast<int>(TScrollStyle::ssVertical)},
    {"ssBoth", static_cast<int>(TScrollStyle::ssBoth)},
};
constexpr NameValue kAlignments[] = {
    {"taLeftJustify", static_cast<int>(TAlignment::taLeftJustify)},
    {"taRightJustify", static_cast<int>(TAlignment::taRightJustify)},
    {"taCenter", static_cast<int>(TAlignment::taCenter)},
};
constexpr NameValue kShortCuts[] = {{"scNone", 0}};
}  // namespace

NameTable ColorNames() {
  return Names(kColors);
}
NameTable CursorNames() {
  return Names(kCursors);
}
NameTable AnchorNames() {
  return Names(kAnchors);
}
NameTable AlignNames() {
  return Names(kAligns);
}
NameTable FontStyleNames() {
  return Names(kFontStyles);
}
NameTable CharsetNames() {
  return Names(kCharsets);
}
NameTable BorderStyleNames() {
  return Names(kBorderStyles);
}
NameTable BorderIconNames() {
  return Names(kBorderIcons);
}
NameTable BevelNames() {
  return Names(kBevels);
}
NameTable ScrollStyleNames() {
  return Names(kScrollStyles);
}
NameTable AlignmentNames() {
  return Names(kAlignments);
}
NameTable ShortCutNames() {
  return Names(kShortCuts);
}

}  // namespace pelk
