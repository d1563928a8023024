// The start switches: keys ignore case, values stand as given, the later key wins, switches take
// a prefix of / or -, anything else is ignored.

#include "tavo/tavoEdit/TavoCmdLineInfo.h"

#include <gtest/gtest.h>

TEST(CommandLine, InterpretsKeysAndSwitches)
{
  const struct {
    std::vector<std::string> arguments;
    std::vector<std::string> names;  // kat, ukat, norm, objekt
    bool qorMode, trestle64;
  } rows[] = {
      {{}, {"", "", "", ""}, false, false},
      {{"KAT=Beton", "ukat= Normal beton ", "Norm=EC2 NA (DE)", "objekt=a=b", "kat=Stahl", "norm="},
       {"Stahl", " Normal beton ", "", "a=b"},
       false,
       false},
      {{"/qormode", "trestle64"}, {"", "", "", ""}, true, true},
      {{"-QORMODE", "/Trestle64"}, {"", "", "", ""}, true, true},
      {{"qor", "trestle64=1", "farbe=rot", "Beton", "-kat", "=x", "/objekt=B500A"},
       {"", "", "", "B500A"},
       false,
       false},
  };
  for (const auto& row : rows) {
    CTavoCmdLineInfo info;
    for (const std::string& argument : row.arguments)
      info.ParseParam(argument);
    EXPECT_EQ(info.Arguments(), row.arguments);
    const StartValues values = info.Interpret();
    const std::string what = row.arguments.empty() ? "(none)" : row.arguments[0];
    EXPECT_EQ(std::vector<std::string>({values.kat, values.ukat, values.norm, values.objekt}), row.names) << what;
    EXPECT_EQ(values.qorMode, row.qorMode) << what;
    EXPECT_EQ(values.trestle64, row.trestle64) << what;
  }
}
