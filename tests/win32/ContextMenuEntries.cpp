#include "tests/win32/ContextMenuEntries.h"

#include "tests/win32/PageSession.h"

namespace pelk {

ContextMenuEntries::ContextMenuEntries()
    : copyTo_(HKEY_CLASSES_ROOT, kCopyToKey, ""), moveTo_(HKEY_CLASSES_ROOT, kMoveToKey, "") {}

bool ContextMenuEntries::Show() {
  return WriteStringValue(HKEY_CLASSES_ROOT, kCopyToKey, "", kCopyToClassId) &&
         WriteStringValue(HKEY_CLASSES_ROOT, kMoveToKey, "", kMoveToClassId) && BothShown();
}

bool ContextMenuEntries::Hide() {
  return RemoveValue(HKEY_CLASSES_ROOT, kCopyToKey, "") &&
         RemoveValue(HKEY_CLASSES_ROOT, kMoveToKey, "");
}

bool ContextMenuEntries::BothShown() const {
  return ReadStringValue(HKEY_CLASSES_ROOT, kCopyToKey, "") == std::string(kCopyToClassId) &&
         ReadStringValue(HKEY_CLASSES_ROOT, kMoveToKey, "") == std::string(kMoveToClassId);
}

bool ContextMenuEntries::BothHiddenKeysKept() const {
  return KeyExists(HKEY_CLASSES_ROOT, kCopyToKey) && KeyExists(HKEY_CLASSES_ROOT, kMoveToKey) &&
         ValueType(HKEY_CLASSES_ROOT, kCopyToKey, "") == REG_NONE &&
         ValueType(HKEY_CLASSES_ROOT, kMoveToKey, "") == REG_NONE;
}

HWND PageCheckBox(HWND page, int language) {
  return FindChildByText(page, language == 1 ? "Show Contextmenu for File-Operations"
                                             : "Kontextmen\xFC f\xFCr Datei-Operationen anzeigen");
}

bool IsChecked(HWND checkBox) {
  return SendMessageA(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace pelk
