#include "tavo/outside/FailureReasons.h"
#include "tavo/outside/VBT.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

// Without a catalogue every text comes back unchanged.
TEST(Translation, EnglishCatalogueOfTheBuildTranslatesBySection)
{
  TestFolder folder;
  VBT_SetLanguage("xx", folder.Root());
  EXPECT_FALSE(VBT_HasCatalogue());
  EXPECT_EQ(VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", "Kopie erstellen"), "Kopie erstellen");
  EXPECT_EQ(VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", ""), "");
  VBT_SetLanguage("en");
  ASSERT_TRUE(VBT_HasCatalogue()) << "translations/tavo_en.qm below the program root";
  EXPECT_EQ(VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", "Kopie erstellen"), "Create copy");
  EXPECT_EQ(VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", "Beton"), "Concrete");
  EXPECT_EQ(VBT_Translate("QOR Eingabe", "tavo", "CCopytDlg", "Abbrechen"), "Cancel");
  // Names the catalogue cannot know come back unchanged.
  EXPECT_EQ(VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", "Mein Beton"), "Mein Beton");
  VBT_SetLanguage("de");
  EXPECT_FALSE(VBT_HasCatalogue());
}

// The reasons that the parser and the system give in English speak the message's language.
TEST(Translation, ReasonsOfFileMessagesSpeakTheLanguageInUse)
{
  const std::tuple<const char*, const char*, const char*> rows[] = {
      // message, German, English
      {"a.xml:20:146: Error parsing element attribute", "a.xml:20:146: Fehler in einem Attribut eines Elements",
       "a.xml:20:146: Error in an attribute of an element"},
      {"a.xml: No space left on device", "a.xml: Kein Platz mehr auf dem Datenträger",
       "a.xml: No space left on the device"},
      {"a.xml: cannot be written: Permission denied", "a.xml: kann nicht geschrieben werden: Zugriff verweigert",
       "a.xml: cannot be written: Permission denied"},
      {"a.xml:3:1: more than one root element", "a.xml:3:1: mehr als ein Wurzelelement",
       "a.xml:3:1: more than one root element"},
      {"a.xml: something else", "a.xml: something else", "a.xml: something else"},
  };
  for (const char* language : {"de", "en"}) {
    VBT_SetLanguage(language);
    for (const auto& [message, german, english] : rows)
      EXPECT_EQ(VBT_TranslateReasons(message), language == std::string("de") ? german : english);
  }
  // Every reason has its English text in the catalogue.
  for (const std::string& reason : VBT_ReasonTexts())
    EXPECT_NE(VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", reason), reason) << reason;
  VBT_SetLanguage("de");
}
