#include "tip/ContextMenuSwitch.h"

#include <optional>

#include "platform/Exception.h"
#include "platform/Shell.h"
#include "platform/TRegistry.h"

namespace pelk {

namespace {

const ContextMenuHandler kHandlers[] = {kCopyToHandler, kMoveToHandler};

std::string FullPath(const ContextMenuHandler& handler) {
  return std::string(RootKeyName(RootKey::ClassesRoot)) + "\\" + handler.keyPath;
}

bool IsPresent(RegistryStore& registry, const ContextMenuHandler& handler) {
  TRegistry reg(registry);
  reg.RootKey = RootKey::ClassesRoot;
  bool present = false;
  if (reg.OpenKeyReadOnly(handler.keyPath)) {
    try {
      present = reg.ReadString("") == handler.classId;
    } catch (const ERegistryException&) {
      present = false;  // a default value that is no string registers no handler either
    }
  }
  reg.CloseKey();
  return present;
}

// The default value that shows the entry; none hides it.
std::optional<RegistryValue> Target(const ContextMenuHandler& row, bool show) {
  if (show)
    return RegistryValue::String(row.classId);
  return std::nullopt;
}

// Whether the row holds what `show` asks for, as far as reading alone tells: a user who may read
// the handler keys but not change them (no administrator) still finds a request that is met.
bool AlreadyAsAsked(RegistryStore& registry, const ContextMenuHandler& row, bool show) {
  TRegistry reg(registry, RegistryAccess::QueryValue);
  reg.RootKey = RootKey::ClassesRoot;
  if (!reg.OpenKeyReadOnly(row.keyPath))
    return !show && !reg.KeyExists(row.keyPath);  // a missing key holds no value
  try {
    return reg.ReadValue("") == Target(row, show);
  } catch (const ERegistryException&) {
    return false;  // not known: the change decides, with the rights it needs
  }
}

// One handler key opened for querying and setting its values (all the switch does with it), with
// its default value as it was before the change.
struct OpenHandler {
  explicit OpenHandler(RegistryStore& registry) : reg(registry) {
    reg.RootKey = RootKey::ClassesRoot;
  }
  TRegistry reg;
  std::optional<RegistryValue> before;
  bool changed = false;
};

// Makes the key's default value what `show` asks for; false when the system refused.
bool Apply(OpenHandler& handler, const ContextMenuHandler& row, bool show) {
  try {
    if (show) {
      handler.reg.WriteString("", row.classId);
    } else {
      handler.reg.DeleteValue("");
      if (handler.reg.ReadValue(""))
        return false;  // the delete was refused
    }
  } catch (const ERegistryException&) {
    return false;
  }
  handler.changed = true;
  return true;
}

void Restore(OpenHandler& handler) {
  if (!handler.changed)
    return;
  try {
    if (handler.before) {
      handler.reg.WriteValue("", *handler.before);
    } else {
      handler.reg.DeleteValue("");
    }
  } catch (const ERegistryException&) {
    // Best effort: the caller reports the refusal that made the undo necessary.
  }
}

[[noreturn]] void Fail(const ContextMenuHandler& handler, RegistryFailure reason) {
  const std::string path = FullPath(handler);
  throw ERegistryException("Cannot switch the entry of " + path, path, reason);
}

}  // namespace

bool ReadContextMenuState(RegistryStore& registry) {
  const bool copyTo = IsPresent(registry, kCopyToHandler);
  const bool moveTo = IsPresent(registry, kMoveToHandler);
  return copyTo && moveTo;
}

void WriteContextMenuState(RegistryStore& registry, Shell& shell, bool show) {
  OpenHandler handlers[] = {OpenHandler(registry), OpenHandler(registry)};
  for (int i = 0; i < 2; ++i) {
    if (AlreadyAsAsked(registry, kHandlers[i], show))
      continue;  // only a row that must change is opened for writing
    if (!handlers[i].reg.OpenKey(kHandlers[i].keyPath, true))
      Fail(kHandlers[i], RegistryFailure::Refused);
    try {
      handlers[i].before = handlers[i].reg.ReadValue("");
    } catch (const ERegistryException&) {
      // A value that may exist but could not be read could not be put back: change nothing.
      Fail(kHandlers[i], RegistryFailure::Unreadable);
    }
  }
  for (int i = 0; i < 2; ++i) {
    if (!handlers[i].reg.HasCurrentKey() || handlers[i].before == Target(kHandlers[i], show))
      continue;  // already as asked: rewriting it would change nothing
    if (!Apply(handlers[i], kHandlers[i], show)) {
      for (OpenHandler& handler : handlers)
        Restore(handler);
      Fail(kHandlers[i], RegistryFailure::Refused);
    }
  }
  for (OpenHandler& handler : handlers)
    handler.reg.CloseKey();
  // Every Explorer window reloads what it shows when told; nothing to reload, nothing to tell.
  if (handlers[0].changed || handlers[1].changed)
    shell.NotifyAssociationsChanged();
}

}  // namespace pelk
