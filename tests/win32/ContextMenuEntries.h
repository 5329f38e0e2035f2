#pragma once
#include "tests/win32/RegistryFixture.h"

namespace pelk {

// The two context-menu entries in Wine's HKEY_CLASSES_ROOT, kept as they were for the test's
// duration, with the states a test starts from and the checks it ends with.
class ContextMenuEntries {
 public:
  ContextMenuEntries();

  // Both keys with their class ids: the shell shows both entries.
  bool Show();
  // Both keys without a default value.
  bool Hide();

  // Both default values are exactly the class ids, as plain strings.
  bool BothShown() const;
  // Both keys exist and neither has a default value.
  bool BothHiddenKeysKept() const;

 private:
  RegistryValueGuard copyTo_;
  RegistryValueGuard moveTo_;
};

// The check box of the page, found by its caption in the page's language (1 English).
HWND PageCheckBox(HWND page, int language);
bool IsChecked(HWND checkBox);

}  // namespace pelk
