// Paths of objects and levels as one text.

#include "tavo/material/MaterialPath.h"

#include <gtest/gtest.h>

TEST(MaterialPath, SplitsAtTheFirstThreeSlashesAndRoundTrips)
{
  struct Row {
    const char* text;
    std::vector<std::string> names;  // empty: refused
  };
  const Row rows[] = {
      {"Beton/Normalbeton/EC2/C30/37", {"Beton", "Normalbeton", "EC2", "C30/37"}},
      {"Beton", {"Beton"}},
      {R"(Holz\/Stein/Nadel/EN 338/C24)", {"Holz/Stein", "Nadel", "EN 338", "C24"}},
      {R"(A\\/B/C/D)", {"A\\", "B", "C", "D"}},  // a name that ends with a backslash
      {R"(A\x/B)", {"A\\x", "B"}},               // a lone backslash stands for itself
      {"Beton/Normalbeton/EC2/C//", {"Beton", "Normalbeton", "EC2", "C//"}},
      {"", {}},
      {"Beton//EC2/C30/37", {}},
      {"/Beton", {}},
  };
  for (const Row& row : rows) {
    std::string error;
    const auto path = CMaterialPath::Parse(row.text, &error);
    if (row.names.empty()) {
      EXPECT_FALSE(path) << row.text;
      EXPECT_FALSE(error.empty()) << row.text;
      continue;
    }
    ASSERT_TRUE(path) << row.text << ": " << error;
    EXPECT_EQ(path->Names(), row.names) << row.text;
    EXPECT_EQ(CMaterialPath::Parse(path->Text()), path) << path->Text();
  }
  EXPECT_EQ(CMaterialPath({"Holz/Stein", "a\\", "b", "c/d"}).Text(), R"(Holz\/Stein/a\\/b/c/d)");
}
