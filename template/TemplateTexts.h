#pragma once

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

}  // namespace pelk
