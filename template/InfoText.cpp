#include "template/InfoText.h"

#include "module/state/ModuleState.h"
#include "module/state/OsTypes.h"

namespace pelk {

namespace {
constexpr const char* kHeaderEnglish = "Valid for:";
constexpr const char* kHeaderGerman = "Gültig für:";
constexpr const char* kLineEnd = "\r\n";
}  // namespace

std::string InfoText(int language, std::int32_t validOsMask) {
  std::string text = language == kLanguageEnglish ? kHeaderEnglish : kHeaderGerman;
  text += kLineEnd;
  text += kLineEnd;
  const auto mask = static_cast<std::uint32_t>(validOsMask);
  for (int bit = 0; bit < kNamedOsBits; ++bit) {
    if ((mask & (1u << bit)) != 0) {
      text += OsBitName(bit);
      text += kLineEnd;
    }
  }
  return text;
}

}  // namespace pelk
