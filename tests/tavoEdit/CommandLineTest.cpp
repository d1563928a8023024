#include "tavo/tavoEdit/TavoCmdLineInfo.h"

#include <gtest/gtest.h>

namespace {

StartValues Interpret(const std::vector<std::string>& arguments)
{
  CTavoCmdLineInfo info;
  for (const std::string& argument : arguments)
    info.ParseParam(argument);
  EXPECT_EQ(info.Arguments(), arguments);
  return info.Interpret();
}

}  // namespace

TEST(CommandLine, NoArgumentsGiveEmptyTextsAndNoFlags)
{
  const StartValues values = Interpret({});
  EXPECT_EQ(values.kat + values.ukat + values.norm + values.objekt, "");
  EXPECT_FALSE(values.qorMode);
  EXPECT_FALSE(values.trestle64);
}

TEST(CommandLine, KeysIgnoreCaseAndValuesStandAsGiven)
{
  const StartValues values =
      Interpret({"KAT=Beton", "ukat= Normal beton ", "Norm=EC2 NA (DE)", "objekt=a=b", "kat=Stahl", "norm="});
  EXPECT_EQ(values.kat, "Stahl");  // the later one wins
  EXPECT_EQ(values.ukat, " Normal beton ");
  EXPECT_EQ(values.norm, "");  // an empty value is stored
  EXPECT_EQ(values.objekt, "a=b");
}

TEST(CommandLine, SwitchesWithPrefixAndCase)
{
  EXPECT_TRUE(Interpret({"/qormode"}).qorMode);
  EXPECT_TRUE(Interpret({"-QORMODE"}).qorMode);
  EXPECT_TRUE(Interpret({"trestle64"}).trestle64);
  EXPECT_TRUE(Interpret({"/Trestle64"}).trestle64);
  EXPECT_FALSE(Interpret({"qor"}).qorMode);
}

TEST(CommandLine, UnknownKeysAndPlainWordsAreIgnored)
{
  const StartValues values = Interpret({"trestle64=1", "farbe=rot", "Beton", "-kat", "=x", "/objekt=B500A"});
  EXPECT_FALSE(values.trestle64);
  EXPECT_EQ(values.kat, "");
  EXPECT_EQ(values.objekt, "B500A");
}
