// bench_generate_database OBJECTS [SEED [FILE]]: writes a generated material database (to
// standard output without FILE), for whole-program runs of the tools on large databases.

#include "bench/material/DatabaseGenerator.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <string_view>

namespace {

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
  if (argc < 2 || argc > 4 || !ReadNumber(argv[1], objects) || (argc > 2 && !ReadNumber(argv[2], seed))) {
    std::cerr << "usage: bench_generate_database OBJECTS [SEED [FILE]]\n";
    return 2;
  }
  const GeneratedDatabase db = GenerateDatabase(static_cast<int>(objects), static_cast<unsigned>(seed));
  if (argc < 4) {
    std::cout << db.xml;
    return std::cout ? 0 : 1;
  }
  std::ofstream file(argv[3], std::ios::binary);
  file << db.xml;
  if (!file.flush()) {
    std::cerr << "bench_generate_database: cannot write " << argv[3] << "\n";
    return 1;
  }
  return 0;
}
