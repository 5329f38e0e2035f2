#include "template/TemplateTexts.h"

#include "module/ModuleState.h"

namespace pelk {

namespace {
// "Standartwerte" is the spelling the collection shows; keep it.
constexpr TemplateTexts kGerman{
    "Setzt alles wieder auf die Standartwerte",
    "\xC4nderungen werden gespeichert",
    "Wert in der Registry nachschlagen",
    "G\xFCltig f\xFCr ... ",
    "Fenster wechseln",
    true,
    false,
};

constexpr TemplateTexts kEnglish{
    "Restore defaults",
    "Changes will be saved immediately",
    "Registry Lookup",
    "Valid to ...",
    "Change Window",
    false,
    true,
};
}  // namespace

const TemplateTexts& TemplateTextsFor(int language) {
  return language == kLanguageEnglish ? kEnglish : kGerman;
}

}  // namespace pelk
