#include "tavo/tavoEdit/TavoGrid.h"

#include "tavo/material/FormulaMessages.h"
#include "tavo/material/Recalculation.h"
#include "tavo/outside/VBT.h"
#include "tavo/text/NumberText.h"

#include <algorithm>

namespace {

struct GridColumn {
  const char* header;
  int weight;
};

constexpr GridColumn kColumns[CTavoGrid::kColumnCount] = {
    {"Kurzname", 19}, {"Name", 50},  {"Typ", 5},     {"Formel", 40}, {"Wert", 20},  {"Wert2", 10},
    {"Wert3", 10},    {"Wert4", 10}, {"Wert5", 10},  {"Wert6", 10},  {"Wert7", 10}, {"Wert8", 10},
    {"Wert9", 10},    {"Dim", 10},   {"Einheit", 8}, {"Knoten", 20},
};

std::string Translate(const std::string& text)
{
  return VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", text);
}

// The tooltip of a marked value cell: the formula's messages, one per line, translated.
std::string MarkText(const std::vector<CParserWarning>& warnings)
{
  std::string text;
  for (const CParserWarning& warning : warnings)
    text += (text.empty() ? "" : "\n") + TranslateFormulaMessage(warning.text);
  return text;
}

}  // namespace

// --- construction ---

CTavoGrid::CTavoGrid(QWidget* parent) : CQORGridCtrl(parent)
{
  setObjectName("gridProperties");
}

// --- hooks ---

void CTavoGrid::InitGrid()
{
  SetupGrid(2, kColumnCount, 1, 0);
  for (int col = 0; col < kColumnCount; ++col) {
    SetHeaderText(0, col, Translate(kColumns[col].header));
    SetColumnWeight(col, kColumns[col].weight);
  }
  SetColumnVisible(kColDim, false, false);
  SetColumnVisible(kColKnoten, qorMode, true);
}

void CTavoGrid::InitRow(int row)
{
  for (int col = 0; col < kColumnCount; ++col) {
    SetCellType(row, col, col == kColTyp ? kCellCheck : kCellText);
    if (col == kColTyp)
      SetCheck(row, col, false);
    else
      SetCellText(row, col, "");
    const bool valueColumn = col >= kColWert && col <= kColWert + 8;
    SetCellReadOnly(row, col, !CanEdit(qorMode, inUserFile && valueColumn));
  }
}

void CTavoGrid::OnCheckChanged(int row, int col)
{
  const bool ticked = GetCheck(row, col);
  SetCellReadOnly(row, kColFormel, !(Editable() && ticked));
  SetCellReadOnly(row, kColWert, !(Editable() && !ticked));
  RecalculateRows(false);  // a row that is no longer a formula loses its mark
  emit edited();
}

void CTavoGrid::OnCellChanged(int row, int col, int)
{
  const bool ticked = GetCheck(row, kColTyp);
  if ((col == kColWert && !ticked) || (col == kColFormel && ticked))
    RecalculateRows(true);
  emit edited();
}

bool CTavoGrid::ExchangeRowData(bool saveAndValidate)
{
  if (saveAndValidate)
    CollectRows();
  else
    LoadRows();
  return true;
}

// --- private helpers ---

void CTavoGrid::LoadRows()
{
  for (int i = 0; i < 9; ++i) {
    const auto& column = rows.wert[i];
    const bool used = std::any_of(column.begin(), column.end(), [](const std::string& text) { return !text.empty(); });
    SetColumnVisible(kColWert + i, used, false);
  }
  FitColumns();

  SetRowCount(1);
  SetRowCount(rows.Count() + 1);
  m_shownNames.clear();
  for (int i = 0; i < rows.Count(); ++i) {
    const int r = i + 1;
    const bool ticked = rows.formulaFlags[i] == 1;
    SetCellText(r, kColKurzname, rows.kurzname[i]);
    m_shownNames.push_back(Translate(rows.name[i]));
    SetCellText(r, kColName, m_shownNames.back());
    SetCheck(r, kColTyp, ticked);
    SetCellText(r, kColFormel, ticked ? rows.formel[i] : std::string());
    SetCellText(r, kColWert, rows.wert[0][i]);
    SetCellReadOnly(r, kColFormel, !(ticked && Editable()));
    SetCellReadOnly(r, kColWert, ticked || !Editable());
    SetCellReadOnly(r, kColTyp, !Editable());
    for (int k = 1; k < 9; ++k)
      SetCellText(r, kColWert + k, rows.wert[k][i]);
    SetCellText(r, kColDim, rows.dimension[i]);
    SetCellText(r, kColEinheit, rows.einheit[i]);
    SetCellText(r, kColKnoten, rows.knoten[i]);
  }
  // The values came recalculated from the document; only the marks are new.
  RecalculateRows(false);
}

void CTavoGrid::CollectRows()
{
  for (int i = 0; i < rows.Count(); ++i) {
    const int r = i + 1;
    rows.kurzname[i] = GetCellText(r, kColKurzname);
    // A long name that still reads as its translation keeps the document's text, so a
    // translated editor never writes translations into the material files.
    const std::string shown = GetCellText(r, kColName);
    if (qorMode && (i >= static_cast<int>(m_shownNames.size()) || shown != m_shownNames[i]))
      rows.name[i] = shown;
    rows.formulaFlags[i] = GetCheck(r, kColTyp) ? 1 : 0;
    rows.formel[i] = rows.formulaFlags[i] ? GetCellText(r, kColFormel) : std::string();
    for (int k = 1; k < 9; ++k)
      rows.wert[k][i] = GetCellText(r, kColWert + k);
    // A value that nobody changed stays as the file has it ("3,5" too); a changed one is stored
    // as it is read.
    if (const std::string value = GetCellText(r, kColWert); value != rows.wert[0][i])
      rows.wert[0][i] = StoredValueText(value);
    rows.dimension[i] = GetCellText(r, kColDim);
    rows.einheit[i] = GetCellText(r, kColEinheit);
    rows.knoten[i] = GetCellText(r, kColKnoten);
  }
}

void CTavoGrid::RecalculateRows(bool writeValues)
{
  // Rows further down override rows above them with the same short name, as the levels farther
  // from the object do in the document. A value is read as it will be stored, so that "1,35" is
  // 1.35 here as it is in the document.
  ShortNameTexts values, formulas;
  for (int r = 1; r < GetRowCount(); ++r) {
    const std::string name = GetCellText(r, kColKurzname);
    values[name] = StoredValueText(GetCellText(r, kColWert));
    const std::string formula = GetCheck(r, kColTyp) ? GetCellText(r, kColFormel) : std::string();
    if (!formula.empty())
      formulas[name] = formula;
  }
  ShortNameWarnings warnings;
  const ShortNameTexts computed = RecalculateValues(values, formulas, &warnings);
  for (int r = 1; r < GetRowCount(); ++r) {
    const std::string name = GetCellText(r, kColKurzname);
    const bool formulaRow = GetCheck(r, kColTyp) && !GetCellText(r, kColFormel).empty();
    const auto warned = warnings.find(name);
    SetCellMark(r, kColWert, formulaRow && warned != warnings.end() ? MarkText(warned->second) : std::string());
    if (!formulaRow || !writeValues)
      continue;
    const auto value = computed.find(name);
    if (value != computed.end())
      SetCellText(r, kColWert, FormatGridValue(ReadLeadingDouble(value->second)));
  }
  Redraw();
  emit valuesShown();
}
