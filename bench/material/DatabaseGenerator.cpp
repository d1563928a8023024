#include "bench/material/DatabaseGenerator.h"

#include <cstdint>
#include <random>

namespace {

struct Level {
  const char* name;
  std::vector<const char*> children;
};

// Five categories with two subcategories each; every subcategory holds three codes.
const Level kCategories[] = {
  {"Beton", {"Normalbeton", "Leichtbeton"}},
  {"Stahl", {"Baustahl", "Betonstahl"}},
  {"Holz", {"Nadelholz", "Brettschichtholz"}},
  {"Mauerwerk", {"Ziegel", "Kalksandstein"}},
  {"Aluminium", {"Knetlegierung", "Gusslegierung"}},
};
const char* const kCodes[] = {"EC", "EC NA (DE)", "DIN Prüfnorm"};

struct Property {
  const char* shortName;
  const char* name;
  const char* formula;  // "" for a value
  const char* unit;
};

// At the code level: eight, five of them formulas over the object's values.
const Property kCodeProperties[] = {
  {"gamma_M", "Teilsicherheitsbeiwert", "", "-"},
  {"alpha_k", "Beiwert für Langzeitwirkungen", "", "-"},
  {"f_m", "Mittelwert der Festigkeit", "f_k + 8", "N/mm²"},
  {"f_tm", "Mittlere Zugfestigkeit", "if(f_k <= 50; 0.30*(f_k^(2/3)); 2.12*log(1 + (f_m/10)))", "N/mm²"},
  {"f_t05", "Zugfestigkeit (5 %-Quantil)", "0.7*f_tm", "N/mm²"},
  {"E_m", "Elastizitätsmodul", "22*((f_m/10)^0.3)", "kN/mm²"},
  {"f_d", "Bemessungswert der Festigkeit", "alpha_k*f_k/gamma_M", "N/mm²"},
  {"rho_d", "Rohdichte für Lastannahmen", "", "kg/m³"},
};

// At the object: twelve, three of them formulas.
const Property kObjectProperties[] = {
  {"f_k", "Charakteristische Festigkeit", "", "N/mm²"},
  {"f_k_cube", "Würfeldruckfestigkeit", "", "N/mm²"},
  {"eps_u", "Bruchdehnung", "", "‰"},
  {"nu", "Querdehnzahl", "", "-"},
  {"alpha_T", "Wärmeausdehnungskoeffizient", "", "1/K"},
  {"rho", "Rohdichte", "", "kg/m³"},
  {"lambda", "Wärmeleitfähigkeit", "", "W/(m·K)"},
  {"c_p", "Spezifische Wärmekapazität", "", "J/(kg·K)"},
  {"t_max", "Größte Erzeugnisdicke", "", "mm"},
  {"G", "Schubmodul", "E_m/(2*(1 + nu))", "kN/mm²"},
  {"f_v", "Schubfestigkeit", "f_k/sqrt(3)", "N/mm²"},
  {"eps_y", "Dehnung an der Streckgrenze", "1000*f_d/(E_m*1000)", "‰"},
};

void AppendProperty(std::string& xml, const char* indent, const Property& property, const std::string& value)
{
  xml += indent;
  xml += "<Eigenschaft Kurzname=\"";
  xml += property.shortName;
  xml += "\" Name=\"";
  xml += property.name;
  xml += "\" Formel=\"";
  for (const char* c = property.formula; *c; ++c)
    xml += *c == '<' ? std::string("&lt;") : std::string(1, *c);
  xml += "\" Wert01=\"" + value + "\" Dimension=\"\" Einheit=\"";
  xml += property.unit;
  xml += "\"/>\n";
}

}  // namespace

GeneratedDatabase GenerateDatabase(int objectCount, unsigned seed)
{
  std::mt19937 random(seed);
  const auto pick = [&random](int low, int high) { return low + static_cast<int>(random() % (high - low + 1)); };

  GeneratedDatabase db;
  db.xml.reserve(static_cast<std::size_t>(objectCount) * 1700 + 100000);
  db.xml += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Materialdatei>\n";
  const int codeCount = 5 * 2 * 3;
  int made = 0;
  int codeIndex = 0;
  int katPriority = 0;
  for (const Level& category : kCategories) {
    db.xml += "  <Kategorie Name=\"" + std::string(category.name) + "\" Prioritaet=\"" + std::to_string(katPriority++) + "\">\n";
    int ukatPriority = 0;
    for (const char* ukat : category.children) {
      db.xml += "    <Unterkategorie Name=\"" + std::string(ukat) + "\" Prioritaet=\"" + std::to_string(ukatPriority++) + "\">\n";
      int normPriority = 0;
      for (const char* norm : kCodes) {
        db.xml += "      <Norm Name=\"" + std::string(norm) + "\" Prioritaet=\"" + std::to_string(normPriority++) + "\">\n";
        AppendProperty(db.xml, "        ", kCodeProperties[0], "1.5");
        AppendProperty(db.xml, "        ", kCodeProperties[1], "0.85");
        for (int i = 2; i < 7; ++i)
          AppendProperty(db.xml, "        ", kCodeProperties[i], "");
        AppendProperty(db.xml, "        ", kCodeProperties[7], std::to_string(pick(500, 8000)));

        const int inCode = (objectCount * (codeIndex + 1)) / codeCount - made;
        for (int o = 0; o < inCode; ++o) {
          const int fk = pick(10, 90);
          const std::string name = std::string(category.name).substr(0, 1) + std::to_string(fk) + "/" +
                                   std::to_string(fk + pick(3, 15)) + " Güte " + std::to_string(o);
          db.objects.push_back({category.name, ukat, norm, name});
          db.xml += "        <Objekt Name=\"" + name + "\" Prioritaet=\"" + std::to_string(o) + "\">\n";
          const std::string values[] = {
            std::to_string(fk), std::to_string(fk + pick(3, 15)), "3.5", "0.2", "1e-05",
            std::to_string(pick(400, 7900)), "1.6", "1000", std::to_string(pick(10, 200)), "", "", "",
          };
          for (int i = 0; i < 12; ++i)
            AppendProperty(db.xml, "          ", kObjectProperties[i], values[i]);
          db.xml += "        </Objekt>\n";
        }
        made += inCode;
        ++codeIndex;
        db.xml += "      </Norm>\n";
      }
      db.xml += "    </Unterkategorie>\n";
    }
    db.xml += "  </Kategorie>\n";
  }
  db.xml += "</Materialdatei>\n";
  return db;
}
