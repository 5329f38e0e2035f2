// The page's pop-up menu as a native menu: its entries with their shortcut keys, shown at the
// pointer; the chosen entry runs once the menu's modal loop is over.
#include <string>
#include <vector>

#include "platform/gui/Peers.h"
#include "platform/gui/TForm.h"
#include "platform/gui/TMenu.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Handles.h"

namespace pelk {

namespace {

std::string ShortCutText(TShortCut shortCut) {
  std::string text;
  if ((shortCut & scCtrl) != 0)
    text += "Ctrl+";
  if ((shortCut & scShift) != 0)
    text += "Shift+";
  if ((shortCut & scAlt) != 0)
    text += "Alt+";
  const int key = shortCut & 0xFF;
  if (key >= VK_F1 && key <= VK_F24) {
    text += "F" + std::to_string(key - VK_F1 + 1);
  } else if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
    text += static_cast<char>(key);
  } else {
    return "";
  }
  return text;
}

void AddItems(HMENU menu, const TMenuItem& parent, std::vector<TMenuItem*>& items) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (!item->Visible())
      continue;
    std::string text = item->Caption();
    const std::string keys = ShortCutText(item->ShortCut());
    if (!keys.empty())
      text += "\t" + keys;
    const UINT flags = item->Enabled() ? MF_STRING : (MF_STRING | MF_GRAYED);
    if (item->Count() > 0) {
      HMENU sub = CreatePopupMenu();
      AddItems(sub, *item, items);
      AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), Utf16(text).c_str());
    } else if (text == "-") {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      items.push_back(item);
      AppendMenuW(menu, flags, items.size(), Utf16(text).c_str());
    }
  }
}

}  // namespace

void ShowPopupMenu(TPopupMenu& menu, int x, int y) {
  auto* form = dynamic_cast<TForm*>(menu.Owner());
  HWND owner = form != nullptr ? reinterpret_cast<HWND>(form->Handle()) : nullptr;
  if (owner == nullptr)
    return;
  std::vector<TMenuItem*> items;
  UINT chosen = 0;
  const auto token = menu.LifeToken();
  {
    UniqueMenu popup(CreatePopupMenu());
    AddItems(popup.get(), menu.Items(), items);
    if (items.empty())
      return;
    SetForegroundWindow(owner);
    chosen = static_cast<UINT>(
        TrackPopupMenu(popup.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr));
  }
  // The menu's modal loop may have let the page go.
  if (token.expired() || chosen == 0 || chosen > items.size())
    return;
  PostMessageW(owner, WM_NULL, 0, 0);
  items[chosen - 1]->Click();
}

}  // namespace pelk
