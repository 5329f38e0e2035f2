#include "platform/AnsiText.h"

#include <cstring>

#include "platform/Windows1252.h"

namespace pelk {

std::string AnsiToUtf8(const char* text, std::size_t maxBytes) {
  if (text == nullptr)
    return std::string();
  const void* end = std::memchr(text, '\0', maxBytes);
  const std::size_t length =
      end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - text) : maxBytes;
  return Windows1252ToUtf8(std::string_view(text, length));
}

}  // namespace pelk
