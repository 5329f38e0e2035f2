#pragma once
#include <cstdint>

namespace pelk {

// One window message as the page and its controls see it, on every backend.
struct TMessage {
  std::uint32_t Msg = 0;
  std::uintptr_t WParam = 0;
  std::intptr_t LParam = 0;
  std::intptr_t Result = 0;
};

// The library's own control messages: the pointer moved onto or off a control.
constexpr std::uint32_t CM_MOUSEENTER = 0xB013;
constexpr std::uint32_t CM_MOUSELEAVE = 0xB014;

// System messages a form handles itself, on every backend (the numbers Windows gives them).
constexpr std::uint32_t kMessageClose = 0x0010;       // the caption's close button
constexpr std::uint32_t kMessageKeyDown = 0x0100;     // a key went down
constexpr std::uint32_t kMessageSysKeyDown = 0x0104;  // ... with Alt, or F10

enum class TOperation { opInsert = 0, opRemove = 1 };

// Cursor ids; 0 is the class's default cursor.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crHandPoint = -21;

// Colours are 0x00BBGGRR; values with the top bit set name a system colour.
using TColor = std::int32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clScrollBar = static_cast<TColor>(0x80000000u);
constexpr TColor clWindow = static_cast<TColor>(0x80000005u);
constexpr TColor clWindowText = static_cast<TColor>(0x80000008u);
constexpr TColor clBtnFace = static_cast<TColor>(0x8000000Fu);
constexpr TColor clBtnText = static_cast<TColor>(0x80000012u);

// Key plus modifier bits, as menu items store their shortcut.
using TShortCut = int;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr int kVkTab = 9;
constexpr int kVkF12 = 123;

enum TAnchorKind : unsigned { akLeft = 1u, akTop = 2u, akRight = 4u, akBottom = 8u };
using TAnchors = unsigned;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum TBorderIcon : unsigned { biSystemMenu = 1u, biMinimize = 2u, biMaximize = 4u, biHelp = 8u };
using TBorderIcons = unsigned;

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// What a control is to a screen reader: what the system says of its window, a push button, or a
// decoration that readers pass over.
enum class TAccessibleRole { System, PushButton, Decoration };

// Coordinates and sizes stay inside the 16-bit space every Windows version accepts.
constexpr int kMinCoordinate = -32768;
constexpr int kMaxCoordinate = 32767;

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

}  // namespace pelk
