#pragma once
// Generated material databases of any size for benchmarks, deterministic by seed: five
// categories, thirty codes, the objects spread evenly over the codes, eight code-level
// properties (five with formulas) and twelve object properties (three with formulas), German
// names with umlauts, and units.

#include <string>
#include <vector>

struct GeneratedObject {
  std::string kat, ukat, norm, objekt;
};

struct GeneratedDatabase {
  std::string xml;                       // the material file, UTF-8
  std::vector<GeneratedObject> objects;  // every object's four names, in document order
};

GeneratedDatabase GenerateDatabase(int objectCount, unsigned seed);
