#include <gtest/gtest.h>

#include <string>

#include "template/TemplateTexts.h"

namespace pelk {
namespace {

void ExpectGerman(const TemplateTexts& texts) {
  EXPECT_EQ(std::string(texts.undoHint), "Setzt alles wieder auf die Standartwerte");
  EXPECT_EQ(std::string(texts.okHint), "Änderungen werden gespeichert");
  EXPECT_EQ(std::string(texts.registryHint), "Wert in der Registry nachschlagen");
  EXPECT_EQ(std::string(texts.infoHint), "Gültig für ... ");  // with the trailing blank
  EXPECT_EQ(std::string(texts.switchWindowCaption), "Fenster wechseln");
  EXPECT_TRUE(texts.germanHelpVisible);
  EXPECT_FALSE(texts.englishHelpVisible);
}

TEST(TemplateTexts, LanguageOneIsEnglish) {
  const TemplateTexts& texts = TemplateTextsFor(1);
  EXPECT_EQ(std::string(texts.undoHint), "Restore defaults");
  EXPECT_EQ(std::string(texts.okHint), "Changes will be saved immediately");
  EXPECT_EQ(std::string(texts.registryHint), "Registry Lookup");
  EXPECT_EQ(std::string(texts.infoHint), "Valid to ...");
  EXPECT_EQ(std::string(texts.switchWindowCaption), "Change Window");
  EXPECT_FALSE(texts.germanHelpVisible);
  EXPECT_TRUE(texts.englishHelpVisible);
}

TEST(TemplateTexts, EveryOtherCodeIsGerman) {
  for (int code : {0, 2, -1, 0x7FFFFFFF}) {
    SCOPED_TRACE(code);
    ExpectGerman(TemplateTextsFor(code));
  }
  // Switching to English and back gives the German texts again.
  EXPECT_TRUE(TemplateTextsFor(1).englishHelpVisible);
  ExpectGerman(TemplateTextsFor(0));
}

}  // namespace
TEST(TemplateTexts, ARegistryFailureNamesTheKeyAndTheReasonInBothLanguages) {
  const ERegistryException refused("", "HKEY_CLASSES_ROOT\\X", RegistryFailure::Refused);
  EXPECT_EQ(RegistryFailureText(0, refused),
            "Der Schlüssel \"HKEY_CLASSES_ROOT\\X\" kann nicht geschrieben werden. "
            "Dafür sind Administratorrechte nötig.");
  EXPECT_EQ(RegistryFailureText(1, refused),
            "The key \"HKEY_CLASSES_ROOT\\X\" cannot be written. Writing there needs "
            "administrator rights.");
  const ERegistryException unreadable("", "HKEY_CLASSES_ROOT\\X", RegistryFailure::Unreadable);
  EXPECT_EQ(RegistryFailureText(1, unreadable),
            "The value of the key \"HKEY_CLASSES_ROOT\\X\" cannot be read. Nothing was changed.");
}

}  // namespace pelk
