// The two interactions of the property grid that a large object makes slow, offscreen: showing
// an object of 500 properties (the rows into the cells, then one paint), and the recomputation
// after the user edits one value in an object of 200 formula rows. Each must fit in one frame.

#include "tavo/tavoEdit/TavoGrid.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

char Digit(int i)
{
  return static_cast<char>('0' + i % 10);
}

std::string Numbered(const char* prefix, int i)
{
  char text[32];
  std::snprintf(text, sizeof text, "%s%03d", prefix, i);
  return text;
}

void AddRow(PropertyRows& rows, const std::string& kurzname, const std::string& formula, const std::string& value)
{
  rows.kurzname.push_back(kurzname);
  rows.name.push_back("Eigenschaft " + kurzname + " für die Bemessung");
  rows.formel.push_back(formula);
  rows.formulaFlags.push_back(formula.empty() ? 0 : 1);
  rows.wert[0].push_back(value);
  for (int k = 1; k < 9; ++k)
    rows.wert[k].push_back(k <= 2 ? std::string(1, Digit(k + static_cast<int>(rows.name.size()))) : std::string());
  rows.dimension.push_back("Spannung");
  rows.einheit.push_back("N/mm²");
  rows.knoten.push_back(rows.Count() % 3 ? "C30/37" : "EC2");
}

// `values` value rows v000..., then `formulas` formula rows f000... over them and their forerunner.
PropertyRows MakeRows(int values, int formulas)
{
  PropertyRows rows;
  for (int i = 0; i < values; ++i)
    AddRow(rows, Numbered("v", i), "", std::to_string(10 + i) + ".5");
  for (int i = 0; i < formulas; ++i) {
    const std::string formula = Numbered("v", i % values) + "*1.5 + sqrt(" + Numbered("v", (i * 7) % values) + ")" +
                                (i ? " + " + Numbered("f", i - 1) + "/1000" : std::string());
    AddRow(rows, Numbered("f", i), formula, "0");
  }
  return rows;
}

struct ShownGrid {
  CTavoGrid grid;
  ShownGrid()
  {
    grid.qorMode = true;
    grid.InitGrid();
    grid.resize(1400, 900);
    grid.show();
  }
};

void BM_GridLoad(benchmark::State& state)
{
  const PropertyRows rows = MakeRows(static_cast<int>(state.range(0)) / 2, static_cast<int>(state.range(0)) / 2);
  ShownGrid shown;
  for (auto _ : state) {
    shown.grid.rows = rows;
    shown.grid.ExchangeRowData(false);
    shown.grid.repaint();
  }
  if (shown.grid.GetRowCount() != rows.Count() + 1)
    state.SkipWithError("not every row was loaded");
}
BENCHMARK(BM_GridLoad)->ArgName("properties")->Arg(500)->Unit(benchmark::kMillisecond);

void BM_GridRecompute(benchmark::State& state)
{
  const int formulas = static_cast<int>(state.range(0));
  ShownGrid shown;
  shown.grid.rows = MakeRows(100, formulas);
  shown.grid.ExchangeRowData(false);
  const int editedRow = 11;               // v010
  const int dependentRow = 1 + 100 + 10;  // f010 = v010*1.5 + ...
  bool odd = false;
  std::string before, after;
  for (auto _ : state) {
    odd = !odd;
    shown.grid.SetCellText(editedRow, CTavoGrid::kColWert, odd ? "42.5" : "20.5");
    before = shown.grid.GetCellText(dependentRow, CTavoGrid::kColWert);
    shown.grid.OnCellChanged(editedRow, CTavoGrid::kColWert, 0);
    shown.grid.repaint();
    after = shown.grid.GetCellText(dependentRow, CTavoGrid::kColWert);
  }
  // f010 reads v010: every edit must change its value.
  if (before == after)
    state.SkipWithError("the edit changed nothing");
}
BENCHMARK(BM_GridRecompute)->ArgName("formulas")->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
  if (!std::getenv("QT_QPA_PLATFORM"))
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
