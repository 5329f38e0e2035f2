#include "platform/RegistryStore.h"

namespace pelk {

const char* RootKeyName(RootKey root) {
  return root == RootKey::ClassesRoot ? "HKEY_CLASSES_ROOT" : "HKEY_CURRENT_USER";
}

RegistryValue RegistryValue::DWord(std::uint32_t number) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) {
    bytes[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
  }
  return {RegistryType::DWord, bytes};
}

}  // namespace pelk
