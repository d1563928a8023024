#pragma once
// Generated material databases of any size for benchmarks, deterministic by seed: five
// categories of two subcategories, thirty codes, the objects spread evenly over the codes (a
// tenth of them in the user file), a property at every category and subcategory, eight
// code-level properties (five with formulas), twelve to fifteen properties per object (five with
// formulas), every attribute of a property present (Wert02 to Wert09 partly filled), German
// names with umlauts, and units.

#include <string>
#include <vector>

struct GeneratedObject {
  std::string kat, ukat, norm, objekt;
};

struct GeneratedDatabase {
  std::string xml;                       // the standard material file, UTF-8
  std::string userXml;                   // the user material file, UTF-8
  std::vector<GeneratedObject> objects;  // every object's four names, standard file first
};

// `objectCount` objects in both files together.
GeneratedDatabase GenerateDatabase(int objectCount, unsigned seed);
