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
