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
    {"Beton", {"Normalbeton", "Leichtbeton"}},         {"Stahl", {"Baustahl", "Betonstahl"}},
    {"Holz", {"Nadelholz", "Brettschichtholz"}},       {"Mauerwerk", {"Ziegel", "Kalksandstein"}},
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

// At the object: seven values and five formulas always, then up to three further values; with
// the code's five a concrete-like object has ten formulas.
const Property kObjectProperties[] = {
    {"f_k", "Charakteristische Festigkeit", "", "N/mm²"},
    {"f_k_cube", "Würfeldruckfestigkeit", "", "N/mm²"},
    {"eps_u", "Bruchdehnung", "", "‰"},
    {"nu", "Querdehnzahl", "", "-"},
    {"alpha_T", "Wärmeausdehnungskoeffizient", "", "1/K"},
    {"rho", "Rohdichte", "", "kg/m³"},
    {"t_max", "Größte Erzeugnisdicke", "", "mm"},
    {"G", "Schubmodul", "E_m/(2*(1 + nu))", "kN/mm²"},
    {"f_v", "Schubfestigkeit", "f_k/sqrt(3)", "N/mm²"},
    {"eps_y", "Dehnung an der Streckgrenze", "1000*f_d/(E_m*1000)", "‰"},
    {"f_bd", "Bemessungswert der Verbundspannung", "2.25*0.7*f_tm/gamma_M", "N/mm²"},
    {"E_d", "Bemessungswert des Elastizitätsmoduls", "E_m/1.2", "kN/mm²"},
    {"lambda", "Wärmeleitfähigkeit", "", "W/(m·K)"},
    {"c_p", "Spezifische Wärmekapazität", "", "J/(kg·K)"},
    {"k_mod", "Modifikationsbeiwert für Lastdauer und Feuchte", "", "-"},
};
constexpr int kAlwaysOnObject = 12;

const Property kLevelProperty = {"rho_ref", "Bezugsrohdichte für Eigengewicht", "", "kg/m³"};

// Text for an attribute value: the characters that XML reserves written as references.
void AppendEscaped(std::string& xml, const char* text)
{
  for (const char* c = text; *c; ++c) {
    switch (*c) {
      case '<': xml += "&lt;"; break;
      case '&': xml += "&amp;"; break;
      case '"': xml += "&quot;"; break;
      default: xml += *c;
    }
  }
}

// Every attribute of a property: Wert02 to Wert09 hold further columns on some properties only.
void AppendProperty(std::string& xml, const char* indent, const Property& property, const std::string& value,
                    int furtherColumns)
{
  xml += indent;
  xml += "<Eigenschaft Kurzname=\"";
  xml += property.shortName;
  xml += "\" Name=\"";
  AppendEscaped(xml, property.name);
  xml += "\" Formel=\"";
  AppendEscaped(xml, property.formula);
  xml += "\" Wert01=\"" + value + "\"";
  for (int column = 2; column <= 9; ++column) {
    xml += " Wert0" + std::to_string(column) + "=\"";
    if (column - 2 < furtherColumns)
      xml += std::to_string(column * 10 + furtherColumns) + ".5";
    xml += "\"";
  }
  xml += " Dimension=\"";
  xml += *property.unit == '-' ? "" : "Größe";
  xml += "\" Einheit=\"";
  AppendEscaped(xml, property.unit);
  xml += "\"/>\n";
}

class FileWriter {
 public:
  FileWriter(std::string& xml, std::mt19937& random) : m_xml(xml), m_random(random) {}

  int Pick(int low, int high) { return low + static_cast<int>(m_random() % (high - low + 1)); }

  void Open(const char* indent, const char* tag, const std::string& name, int priority)
  {
    m_xml += indent;
    m_xml += "<" + std::string(tag) + " Name=\"" + name + "\" Prioritaet=\"" + std::to_string(priority) + "\">\n";
  }
  void Close(const char* indent, const char* tag) { m_xml += std::string(indent) + "</" + tag + ">\n"; }

  void CodeProperties()
  {
    AppendProperty(m_xml, "        ", kCodeProperties[0], "1.5", 0);
    AppendProperty(m_xml, "        ", kCodeProperties[1], "0.85", 0);
    for (int i = 2; i < 7; ++i)
      AppendProperty(m_xml, "        ", kCodeProperties[i], "", 0);
    AppendProperty(m_xml, "        ", kCodeProperties[7], std::to_string(Pick(500, 8000)), 2);
  }

  void Object(const std::string& name, int priority)
  {
    const int fk = Pick(10, 90);
    Open("        ", "Objekt", name, priority);
    const std::string values[] = {
        std::to_string(fk),
        std::to_string(fk + Pick(3, 15)),
        "3.5",
        "0.2",
        "1e-05",
        std::to_string(Pick(400, 7900)),
        std::to_string(Pick(10, 200)),
        "",
        "",
        "",
        "",
        "",
        "1.6",
        "1000",
        "0.8",
    };
    const int count = Pick(kAlwaysOnObject, static_cast<int>(std::size(kObjectProperties)));
    for (int i = 0; i < count; ++i)
      AppendProperty(m_xml, "          ", kObjectProperties[i], values[i], i == 6 ? Pick(0, 8) : 0);
    Close("        ", "Objekt");
  }

 private:
  std::string& m_xml;
  std::mt19937& m_random;
};

// One file: every level of the schema, `objectCount` objects spread over the thirty codes.
void GenerateFile(std::string& xml, std::vector<GeneratedObject>& objects, int objectCount, const char* suffix,
                  std::mt19937& random)
{
  FileWriter file(xml, random);
  xml.reserve(static_cast<std::size_t>(objectCount) * 3600 + 200000);
  xml += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Materialdatei>\n";
  const int codeCount = static_cast<int>(std::size(kCategories) * 2 * std::size(kCodes));
  int made = 0;
  int codeIndex = 0;
  int katPriority = 0;
  for (const Level& category : kCategories) {
    file.Open("  ", "Kategorie", category.name, katPriority++);
    AppendProperty(xml, "    ", kLevelProperty, std::to_string(file.Pick(500, 8000)), 0);
    int ukatPriority = 0;
    for (const char* ukat : category.children) {
      file.Open("    ", "Unterkategorie", ukat, ukatPriority++);
      AppendProperty(xml, "      ", kLevelProperty, std::to_string(file.Pick(500, 8000)), 0);
      int normPriority = 0;
      for (const char* norm : kCodes) {
        file.Open("      ", "Norm", norm, normPriority++);
        file.CodeProperties();
        const int inCode = (objectCount * (codeIndex + 1)) / codeCount - made;
        for (int o = 0; o < inCode; ++o) {
          const int fk = file.Pick(10, 90);
          const std::string name = std::string(category.name).substr(0, 1) + std::to_string(fk) + "/" +
                                   std::to_string(fk + file.Pick(3, 15)) + suffix + std::to_string(o);
          objects.push_back({category.name, ukat, norm, name});
          file.Object(name, o);
        }
        made += inCode;
        ++codeIndex;
        file.Close("      ", "Norm");
      }
      file.Close("    ", "Unterkategorie");
    }
    file.Close("  ", "Kategorie");
  }
  xml += "</Materialdatei>\n";
}

}  // namespace

GeneratedDatabase GenerateDatabase(int objectCount, unsigned seed)
{
  std::mt19937 random(seed);
  GeneratedDatabase db;
  const int inUser = objectCount / 10;
  GenerateFile(db.xml, db.objects, objectCount - inUser, " Güte ", random);
  GenerateFile(db.userXml, db.objects, inUser, " Eigene Güte ", random);
  return db;
}
