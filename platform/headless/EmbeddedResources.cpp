#include "platform/headless/EmbeddedResources.h"

#include "platform/Resources.h"

namespace pelk {

std::optional<std::string_view> FindResourceData(std::string_view name) {
  for (const EmbeddedResource* entry = kEmbeddedResources; entry->name != nullptr; ++entry) {
    if (name == entry->name) {
      return std::string_view(reinterpret_cast<const char*>(entry->data), entry->size);
    }
  }
  return std::nullopt;
}

}  // namespace pelk
