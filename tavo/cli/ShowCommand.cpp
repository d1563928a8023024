// tavo show KAT UKAT NORM OBJEKT [--json] [--strict]: one object as the editor's grid shows it,
// with what its formulas reported on standard error.

#include "tavo/cli/Commands.h"
#include "tavo/cli/Database.h"
#include "tavo/material/Recalculation.h"
#include "tavo/material/Vocabulary.h"
#include "tavo/text/NumberText.h"

#include <nlohmann/json.hpp>

#include <iostream>

using namespace vocabulary;

namespace {

// The attributes a property row can hold.
std::vector<std::string> RowAttributes()
{
  std::vector<std::string> names{kKurzname, kName, kFormel};
  for (int column = 1; column <= kValueColumns; ++column)
    names.push_back(ValueAttribute(column));
  names.push_back(kDimension);
  names.push_back(kEinheit);
  return names;
}

// The rows the grid would show: every property element with a short name, in order.
std::vector<QODOM_ELEMENT> GridRows(const CTavoObj& object)
{
  std::vector<QODOM_ELEMENT> rows;
  for (QODOM_ELEMENT property : object.propertyElements)
    if (*QODOM_GetString(property, kKurzname) != '\0')
      rows.push_back(property);
  return rows;
}

// Kurzname, Wert01, Formel, Einheit, Knoten (the Name of the element holding the property),
// Name, separated by tabs.
void PrintRows(const CTavoObj& object)
{
  for (QODOM_ELEMENT row : GridRows(object)) {
    std::cout << QODOM_GetString(row, kKurzname) << '\t' << QODOM_GetString(row, kWert01) << '\t'
              << QODOM_GetString(row, kFormel) << '\t' << QODOM_GetString(row, kEinheit) << '\t'
              << QODOM_GetString(QODOM_GetParentElement(row), kName) << '\t' << QODOM_GetString(row, kName) << '\n';
  }
}

// The value texts as numbers, so that scripts need not read them: null where a text is not one.
nlohmann::ordered_json Numbers(QODOM_ELEMENT row)
{
  nlohmann::ordered_json numbers = nlohmann::ordered_json::object();
  for (int column = 1; column <= kValueColumns; ++column) {
    const std::string attribute = ValueAttribute(column);
    if (!QODOM_HasAttr(row, attribute.c_str()))
      continue;
    const std::string text = QODOM_GetString(row, attribute.c_str());
    numbers[attribute] = IsNumberText(text) ? nlohmann::ordered_json(ReadLeadingDouble(text)) : nullptr;
  }
  return numbers;
}

// The warnings of the row's formula; a row without a formula of its own has none.
nlohmann::ordered_json Warnings(const CTavoObj& object, QODOM_ELEMENT row)
{
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  const auto found = object.warnings.find(QODOM_GetString(row, kKurzname));
  if (found == object.warnings.end() || *QODOM_GetString(row, kFormel) == '\0')
    return list;
  for (const CParserWarning& warning : found->second)
    list.push_back({{"code", warning.code}, {"text", warning.text}});
  return list;
}

void PrintJson(const CTavoObj& object, const std::vector<std::string>& names)
{
  nlohmann::ordered_json rows = nlohmann::ordered_json::array();
  for (QODOM_ELEMENT row : GridRows(object)) {
    nlohmann::ordered_json attributes;
    for (const std::string& attribute : RowAttributes())
      if (QODOM_HasAttr(row, attribute.c_str()))
        attributes[attribute] = QODOM_GetString(row, attribute.c_str());
    attributes["Knoten"] = QODOM_GetString(QODOM_GetParentElement(row), kName);
    attributes["numbers"] = Numbers(row);
    attributes["warnings"] = Warnings(object, row);
    rows.push_back(attributes);
  }
  nlohmann::ordered_json json;
  json["kat"] = names[0];
  json["ukat"] = names[1];
  json["norm"] = names[2];
  json["objekt"] = names[3];
  json["inUserFile"] = object.inUserFile;
  json["priority"] = object.priority;
  json["rows"] = rows;
  std::cout << json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

// KURZNAME<TAB>CODE<TAB>TEXT per warning, in the order of the short names.
void PrintWarnings(const CTavoObj& object)
{
  for (const auto& [name, warnings] : object.warnings)
    for (const CParserWarning& warning : warnings)
      std::cerr << name << '\t' << warning.code << '\t' << warning.text << '\n';
}

}  // namespace

void AddShowCommand(CLI::App& app, const CliOptions& options, int& status)
{
  auto* command = app.add_subcommand("show", "Print one object as the editor shows it, recalculated");
  auto names = std::make_shared<std::vector<std::string>>();
  auto json = std::make_shared<bool>(false);
  auto strict = std::make_shared<bool>(false);
  command->add_option("names", *names, "KAT UKAT NORM OBJEKT")->expected(4)->required();
  command->add_flag("--json", *json, "Print the object as JSON");
  command->add_flag("--strict", *strict, "Exit 1 when a formula of the object reported any warning");
  command->callback([&options, &status, names, json, strict] {
    const auto handler = OpenDatabaseForObject(options, *names);
    if (!handler) {
      status = kExitFileError;
      return;
    }
    std::vector<std::string>& n = *names;
    CTavoObj object;
    handler->GetObj(object, n[0], n[1], n[2], n[3]);
    if (!object.objectElement) {
      std::cerr << "tavo: no object " << n[0] << " / " << n[1] << " / " << n[2] << " / " << n[3] << "\n";
      status = kExitFailed;
      return;
    }
    PrintWarnings(object);
    if (*json)
      PrintJson(object, n);
    else
      PrintRows(object);
    status = *strict && !object.warnings.empty() ? kExitFailed : kExitOk;
  });
}
