#include "tavo/outside/VBT.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

TEST(Translation, WithoutCatalogueEveryTextComesBackUnchanged)
{
  TestFolder folder;
  VBT_SetLanguage("xx", folder.Root());
  EXPECT_FALSE(VBT_HasCatalogue());
  EXPECT_EQ(VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", "Kopie erstellen"), "Kopie erstellen");
  EXPECT_EQ(VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", "Würfel"), "Würfel");
  EXPECT_EQ(VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", ""), "");
  VBT_SetLanguage("de");
  EXPECT_FALSE(VBT_HasCatalogue());
}

TEST(Translation, EnglishCatalogueOfTheBuildTranslatesBySection)
{
  VBT_SetLanguage("en");
  ASSERT_TRUE(VBT_HasCatalogue()) << "translations/tavo_en.qm below the program root";
  EXPECT_EQ(VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", "Kopie erstellen"), "Create copy");
  EXPECT_EQ(VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", "Beton"), "Concrete");
  EXPECT_EQ(VBT_Translate("QOR Eingabe", "tavo", "CCopytDlg", "Abbrechen"), "Cancel");
  // Names the catalogue cannot know come back unchanged.
  EXPECT_EQ(VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", "Mein Beton"), "Mein Beton");
  VBT_SetLanguage("de");
}
