#pragma once
#include <string>

#include "platform/Exception.h"

namespace pelk {

// What the template's language switch sets, in the order it sets it.
struct TemplateTexts {
  const char* undoHint;
  const char* okHint;
  const char* registryHint;
  const char* infoHint;
  const char* switchWindowCaption;
  bool germanHelpVisible;
  bool englishHelpVisible;
};

// English for language 1, German for every other code.
const TemplateTexts& TemplateTextsFor(int language);

// What the user is told when a page could not be made, with the reason the library gave.
std::string PageNotCreatedText(int language, const std::string& reason);

// What the user is told when a page could not apply its setting to a registry key: which key, and
// that nothing was changed (writing there needs administrator rights; a value that could not be
// read could not have been put back).
std::string RegistryFailureText(int language, const ERegistryException& failure);

}  // namespace pelk
