#include "template/TemplateTexts.h"

#include "module/state/ModuleState.h"

namespace pelk {

namespace {
// "Standartwerte" is the spelling the collection shows; keep it.
constexpr TemplateTexts kGerman{
    "Setzt alles wieder auf die Standartwerte",
    "Änderungen werden gespeichert",
    "Wert in der Registry nachschlagen",
    "Gültig für ... ",
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

std::string RegistryFailureText(int language, const ERegistryException& failure) {
  const std::string key = "\"" + failure.KeyPath() + "\"";
  const bool english = language == kLanguageEnglish;
  if (failure.Reason() == RegistryFailure::Unreadable) {
    return english ? "The value of the key " + key + " cannot be read. Nothing was changed."
                   : "Der Wert des Schlüssels " + key +
                         " kann nicht gelesen werden. Es wurde nichts geändert.";
  }
  return english
             ? "The key " + key + " cannot be written. Writing there needs administrator rights."
             : "Der Schlüssel " + key +
                   " kann nicht geschrieben werden. Dafür sind Administratorrechte nötig.";
}

std::string PageNotCreatedText(int language, const std::string& reason) {
  const char* text = language == kLanguageEnglish ? "The page cannot be shown."
                                                  : "Die Seite kann nicht angezeigt werden.";
  return reason.empty() ? std::string(text) : text + std::string("\r\n\r\n") + reason;
}

}  // namespace pelk
