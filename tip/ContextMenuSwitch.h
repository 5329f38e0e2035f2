#pragma once
#include <string>

namespace pelk {

class RegistryStore;
class Shell;

// The two shell context-menu handlers that put "Copy To" and "Move To" into the context menu of
// every file and folder (below HKEY_CLASSES_ROOT), each shown while its key's default value holds
// the handler's class id.
struct ContextMenuHandler {
  const char* keyPath;
  const char* classId;
};
constexpr ContextMenuHandler kCopyToHandler{
    "AllFileSystemObjects\\shellex\\ContextMenuHandlers\\Copy To",
    "{C2FBB630-2971-11D1-A18C-00C04FD75D13}"};
constexpr ContextMenuHandler kMoveToHandler{
    "AllFileSystemObjects\\shellex\\ContextMenuHandlers\\Move To",
    "{C2FBB631-2971-11D1-A18C-00C04FD75D13}"};

// True when both handlers hold exactly their class id. Reads only; creates nothing.
bool ReadContextMenuState(RegistryStore& registry);

// Shows (writes both class ids) or hides (deletes both default values) the two entries; the shell
// is told only when a value changed. A key whose default value is already as asked (read with the
// query right alone; a missing key holds none) is left alone: saving what is in effect needs no
// write access. The others are opened for querying and setting values, created when missing, and
// their default values read, before either is changed: when such a key cannot be opened or its
// value read (for any reason but "not there") nothing is changed and an ERegistryException names
// the key and the reason (Refused, Unreadable). A value change refused half-way is undone, so the
// entries are never left half-written.
void WriteContextMenuState(RegistryStore& registry, Shell& shell, bool show);

}  // namespace pelk
