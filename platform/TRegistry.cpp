#include "platform/TRegistry.h"

#include "platform/Exception.h"

namespace pelk {

namespace {
// A leading backslash means "from the root", which is where every path starts here anyway.
std::string Normalized(const std::string& path) {
  std::string::size_type begin = 0;
  while (begin < path.size() && path[begin] == '\\')
    ++begin;
  return path.substr(begin);
}
}  // namespace

bool TRegistry::OpenKey(const std::string& path, bool canCreate) {
  return Open(path, access_, canCreate);
}

bool TRegistry::OpenKeyReadOnly(const std::string& path) {
  return Open(path, RegistryAccess::QueryValue, false);
}

bool TRegistry::Open(const std::string& path, RegistryAccess access, bool canCreate) {
  CloseKey();
  const std::string relative = Normalized(path);
  key_ = store_.OpenKey(RootKey, relative, access, canCreate);
  if (key_)
    path_ = relative;
  return key_ != nullptr;
}

bool TRegistry::KeyExists(const std::string& path) const {
  return store_.KeyExists(RootKey, Normalized(path));
}

void TRegistry::CloseKey() {
  key_.reset();
  path_.clear();
}

std::string TRegistry::CurrentPath() const {
  if (!key_)
    return std::string();
  return std::string(RootKeyName(RootKey)) + "\\" + path_;
}

void TRegistry::Fail(const std::string& what, const std::string& name,
                     RegistryFailure reason) const {
  throw ERegistryException(what + " '" + name + "'", CurrentPath(), reason);
}

bool TRegistry::ValueExists(const std::string& name) const {
  return key_ && key_->ValueExists(name);
}

std::optional<RegistryValue> TRegistry::ReadValue(const std::string& name) const {
  if (!key_)
    return std::nullopt;
  RegistryRead read = key_->ReadValue(name);
  switch (read.outcome) {
    case RegistryRead::Outcome::Found:
      return std::move(read.value);
    case RegistryRead::Outcome::NotFound:
      return std::nullopt;
    case RegistryRead::Outcome::Failed:
      break;
  }
  Fail("Failed to get data for", name, RegistryFailure::Unreadable);
}

bool TRegistry::ReadBool(const std::string& name) const {
  if (!key_)
    Fail("No key open to read", name, RegistryFailure::NoKey);
  const std::optional<RegistryValue> value = ReadValue(name);
  if (!value)
    Fail("Failed to get data for", name, RegistryFailure::Unreadable);
  if (value->type != RegistryType::DWord || value->data.size() != 4) {
    Fail("Invalid data type for", name, RegistryFailure::WrongType);
  }
  return value->data != std::string(4, '\0');
}

std::string TRegistry::ReadString(const std::string& name) const {
  const std::optional<RegistryValue> value = ReadValue(name);
  if (!value)
    return std::string();
  if (value->type != RegistryType::String && value->type != RegistryType::ExpandString) {
    Fail("Invalid data type for", name, RegistryFailure::WrongType);
  }
  return value->data;
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  WriteValue(name, RegistryValue::String(value));
}

void TRegistry::WriteValue(const std::string& name, const RegistryValue& value) {
  if (!key_)
    Fail("No key open to write", name, RegistryFailure::NoKey);
  if (!key_->WriteValue(name, value))
    Fail("Failed to set data for", name, RegistryFailure::Refused);
}

bool TRegistry::DeleteValue(const std::string& name) {
  return key_ && key_->DeleteValue(name);
}

}  // namespace pelk
