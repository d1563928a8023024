// bench_generate_database OBJECTS [SEED [FILE [USERFILE]]]: writes a generated material database
// (the standard file to standard output without FILE; the user file only when USERFILE is
// given), for whole-program runs of the tools on large databases.

#include "bench/material/DatabaseGenerator.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <string_view>

namespace {

bool WriteFile(const char* path, const std::string& text)
{
  std::ofstream file(path, std::ios::binary);
  file << text;
  if (file.flush())
    return true;
  std::cerr << "bench_generate_database: cannot write " << path << "\n";
  return false;
}

bool ReadNumber(std::string_view text, long& number)
{
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size() && number >= 0;
}

}  // namespace

int main(int argc, char** argv)
{
  long objects = 0;
  long seed = 1;
  if (argc < 2 || argc > 5 || !ReadNumber(argv[1], objects) || (argc > 2 && !ReadNumber(argv[2], seed))) {
    std::cerr << "usage: bench_generate_database OBJECTS [SEED [FILE [USERFILE]]]\n";
    return 2;
  }
  const GeneratedDatabase db = GenerateDatabase(static_cast<int>(objects), static_cast<unsigned>(seed));
  if (argc < 4) {
    std::cout << db.xml;
    return std::cout ? 0 : 1;
  }
  if (!WriteFile(argv[3], db.xml) || (argc == 5 && !WriteFile(argv[4], db.userXml)))
    return 1;
  return 0;
}
