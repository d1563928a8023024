#include "tavo/material/CompareMatrix.h"

#include "tavo/material/Recalculation.h"
#include "tavo/material/TableText.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <map>

namespace {

// Two values are the same when they read as the same number, or else as the same text.
bool SameValue(const std::string& a, const std::string& b)
{
  if (IsNumberText(a) && IsNumberText(b))
    return NumberOf(a) == NumberOf(b);
  return a == b;
}

std::string WithUnit(const CompareCell& cell)
{
  return cell.unit.empty() || cell.unit == "-" ? cell.value : cell.value + " " + cell.unit;
}

}  // namespace

CompareMatrix BuildCompareMatrix(const std::vector<ObjectView>& views)
{
  CompareMatrix matrix;
  std::map<std::string, std::size_t> rowOf;
  for (std::size_t column = 0; column < views.size(); ++column) {
    const ObjectView& view = views[column];
    matrix.objects.push_back(view.path);
    for (const ViewedRow& row : view.rows) {
      const auto [at, added] = rowOf.try_emplace(row.kurzname, matrix.rows.size());
      if (added)
        matrix.rows.push_back({row.kurzname, std::vector<CompareCell>(views.size()), false, false});
      if (!row.wins)
        continue;
      CompareCell& cell = matrix.rows[at->second].cells[column];
      cell.present = true;
      cell.value = view.values.at(row.kurzname);
      const auto formula = view.formulas.find(row.kurzname);
      cell.formula = formula == view.formulas.end() ? std::string() : formula->second;
      cell.unit = row.einheit;
      cell.longName = row.name;
      cell.origin = row.origin;
    }
  }
  for (CompareRow& row : matrix.rows) {
    const CompareCell* first = nullptr;
    for (const CompareCell& cell : row.cells) {
      if (!cell.present) {
        row.partial = true;
        continue;
      }
      if (first && (!SameValue(first->value, cell.value) || first->unit != cell.unit))
        row.differs = true;
      if (!first)
        first = &cell;
    }
  }
  return matrix;
}

const char* RowState(const CompareRow& row)
{
  return row.partial ? "partial" : row.differs ? "differs" : "same";
}

std::string CompareText(const CompareMatrix& matrix)
{
  std::string text = "Kurzname";
  for (const CMaterialPath& object : matrix.objects)
    text += "\t" + object.Text();
  text += "\tstate\n";
  for (const CompareRow& row : matrix.rows) {
    text += row.shortName;
    for (const CompareCell& cell : row.cells)
      text += "\t" + (cell.present ? WithUnit(cell) : std::string("-"));
    text += std::string("\t") + RowState(row) + "\n";
  }
  return text;
}

std::string CompareCsv(const CompareMatrix& matrix)
{
  std::vector<std::string> header{"kurzname", "state"};
  for (const CMaterialPath& object : matrix.objects)
    header.push_back(object.Text());
  std::string text = CsvLine(header);
  for (const CompareRow& row : matrix.rows) {
    std::vector<std::string> fields{row.shortName, RowState(row)};
    for (const CompareCell& cell : row.cells)
      fields.push_back(cell.present ? cell.value : std::string());
    text += CsvLine(fields);
  }
  return text;
}

std::string CompareJson(const CompareMatrix& matrix)
{
  nlohmann::ordered_json json;
  json["objects"] = nlohmann::ordered_json::array();
  for (const CMaterialPath& object : matrix.objects)
    json["objects"].push_back(object.Text());
  json["rows"] = nlohmann::ordered_json::array();
  for (const CompareRow& row : matrix.rows) {
    nlohmann::ordered_json cells = nlohmann::ordered_json::array();
    for (const CompareCell& cell : row.cells) {
      if (!cell.present) {
        cells.push_back(nullptr);
        continue;
      }
      cells.push_back({{"value", cell.value},
                       {"number", NumberJson(cell.value)},
                       {"formula", cell.formula},
                       {"unit", cell.unit},
                       {"name", cell.longName},
                       {"level", LevelName(cell.origin.level)},
                       {"file", FileName(cell.origin.inUserFile)}});
    }
    json["rows"].push_back({{"kurzname", row.shortName},
                            {"state", RowState(row)},
                            {"differs", row.differs},
                            {"partial", row.partial},
                            {"cells", cells}});
  }
  return DumpJson(json);
}
