#pragma once
#include <initializer_list>

#include "platform/gui/ClassInfo.h"

namespace pelk {

// The classes a form resource may create without its page class listing them: the library's
// controls, the image list and the menus. TForm names them in its uses, so every page has them.
extern const std::initializer_list<ClassRef> kStockClasses;

}  // namespace pelk
