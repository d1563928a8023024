#include "tavo/material/ObjectExport.h"

#include "tavo/material/Recalculation.h"
#include "tavo/material/TableText.h"

using namespace vocabulary;

namespace {

std::string NumberField(const std::string& text)
{
  return IsNumberText(text) ? ShortestNumber(NumberOf(text)) : std::string();
}

}  // namespace

std::string ExportCsv(const std::vector<ObjectView>& views)
{
  std::vector<std::string> header{"path", "kurzname", "name", "formel"};
  for (int column = 1; column <= kValueColumns; ++column)
    header.push_back("wert0" + std::to_string(column));
  for (int column = 1; column <= kValueColumns; ++column)
    header.push_back("wert0" + std::to_string(column) + "_number");
  for (const char* name : {"einheit", "level", "knoten", "file"})
    header.push_back(name);

  std::string text = CsvLine(header);
  for (const ObjectView& view : views) {
    const std::string path = view.path.Text();
    for (const ViewedRow& row : view.rows) {
      std::vector<std::string> fields{path, row.kurzname, row.name, row.formel};
      fields.insert(fields.end(), row.wert.begin(), row.wert.end());
      for (const std::string& value : row.wert)
        fields.push_back(NumberField(value));
      fields.insert(fields.end(),
                    {row.einheit, LevelName(row.origin.level), row.origin.holder, FileName(row.origin.inUserFile)});
      text += CsvLine(fields);
    }
  }
  return text;
}

std::string ExportJson(const std::vector<ObjectView>& views)
{
  nlohmann::ordered_json objects = nlohmann::ordered_json::array();
  for (const ObjectView& view : views) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const ViewedRow& row : view.rows) {
      nlohmann::ordered_json entry{{kKurzname, row.kurzname}, {kName, row.name}, {kFormel, row.formel}};
      nlohmann::ordered_json numbers = nlohmann::ordered_json::object();
      for (int column = 1; column <= kValueColumns; ++column) {
        const std::string& value = row.wert[column - 1];
        entry[ValueAttribute(column)] = value;
        if (!value.empty())
          numbers[ValueAttribute(column)] = NumberJson(value);
      }
      entry["numbers"] = numbers;
      entry[kDimension] = row.dimension;
      entry[kEinheit] = row.einheit;
      entry["level"] = LevelName(row.origin.level);
      entry["Knoten"] = row.origin.holder;
      entry["file"] = FileName(row.origin.inUserFile);
      rows.push_back(entry);
    }
    const auto& names = view.path.Names();
    objects.push_back({{"path", view.path.Text()},
                       {"kat", names[0]},
                       {"ukat", names[1]},
                       {"norm", names[2]},
                       {"objekt", names[3]},
                       {"inUserFile", view.inUserFile},
                       {"rows", rows}});
  }
  return DumpJson({{"objects", objects}});
}

std::string ExportText(const std::vector<ObjectView>& views, ExportFormat format)
{
  return format == ExportFormat::kJson ? ExportJson(views) : ExportCsv(views);
}
