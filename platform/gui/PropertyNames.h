#pragma once
#include "platform/gui/ClassInfo.h"

namespace pelk {

// Identifiers form resources use for the library's enums, sets and constants.
NameTable ColorNames();
NameTable CursorNames();
NameTable AnchorNames();
NameTable AlignNames();
NameTable FontStyleNames();
NameTable CharsetNames();
NameTable BorderStyleNames();
NameTable BorderIconNames();
NameTable BevelNames();
NameTable ScrollStyleNames();
NameTable AlignmentNames();
NameTable ShortCutNames();

}  // namespace pelk
