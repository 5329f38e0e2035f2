#include "platform/gui/StockClasses.h"

#include "platform/gui/TCheckBox.h"
#include "platform/gui/TImageList.h"
#include "platform/gui/TMemo.h"
#include "platform/gui/TMenu.h"
#include "platform/gui/TPanel.h"
#include "platform/gui/TSpeedButton.h"
#include "platform/gui/TStaticText.h"

namespace pelk {

const std::initializer_list<ClassRef> kStockClasses = {
    &TPanel::StaticClass,     &TMemo::StaticClass,        &TStaticText::StaticClass,
    &TCheckBox::StaticClass,  &TSpeedButton::StaticClass, &TImageList::StaticClass,
    &TPopupMenu::StaticClass, &TMenuItem::StaticClass};

}  // namespace pelk
