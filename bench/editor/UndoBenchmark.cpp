// Undo of a grid commit in an object of 500 properties, offscreen: the journal replayed, the lists
// and the grid shown anew from the documents, one paint. It must fit in one frame.

#include "tavo/material/TavoHandler.h"
#include "tavo/tavoEdit/EditorPrompts.h"
#include "tavo/tavoEdit/TavoEditDlg.h"
#include "tavo/tavoEdit/TavoGrid.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Nothing is asked while the benchmark runs.
class SilentPrompts : public CEditorPrompts {
 public:
  Answer Ask(QWidget*, const std::string&, Buttons, bool) override { return Answer::No; }
  std::optional<std::string> AskSaveFile(QWidget*, const std::string&, const std::string&, const std::string&) override
  {
    return std::nullopt;
  }
  bool RunCopyDialog(CCopyDlg&) override { return false; }
  std::optional<std::vector<bool>> ChooseMergeSides(QWidget*, const std::string&,
                                                    const std::vector<MergeConflict>&) override
  {
    return std::nullopt;
  }
};

std::string Numbered(const char* prefix, int i)
{
  char text[32];
  std::snprintf(text, sizeof text, "%s%03d", prefix, i);
  return text;
}

// One object of `values` value rows and as many formula rows, each formula over v000 and the one
// before it, so that an edit of v000 changes every formula row.
std::string Database(int values)
{
  std::string object;
  for (int i = 0; i < values; ++i)
    object += "<Eigenschaft Kurzname=\"" + Numbered("v", i) + "\" Name=\"Wert " + std::to_string(i) + "\" Wert01=\"" +
              std::to_string(10 + i) + ".5\" Einheit=\"N/mm²\"/>\n";
  for (int i = 0; i < values; ++i) {
    const std::string formula = "v000*1.5" + (i ? " + " + Numbered("f", i - 1) + "/1000" : std::string());
    object += "<Eigenschaft Kurzname=\"" + Numbered("f", i) + "\" Name=\"Formel " + std::to_string(i) + "\" Formel=\"" +
              formula + "\" Wert01=\"0\" Einheit=\"N/mm²\"/>\n";
  }
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Materialdatei>\n<Kategorie Name=\"K\"><Unterkategorie "
         "Name=\"U\"><Norm Name=\"N\"><Objekt Name=\"Gross\">\n" +
         object + "</Objekt></Norm></Unterkategorie></Kategorie>\n</Materialdatei>\n";
}

void Write(const QString& path, const std::string& text)
{
  QFile file(path);
  if (file.open(QIODevice::WriteOnly))
    file.write(text.data(), static_cast<qint64>(text.size()));
}

void BM_UndoGridCommit(benchmark::State& state)
{
  const int properties = static_cast<int>(state.range(0));
  QTemporaryDir folder;
  Write(folder.filePath("standard.xml"), Database(properties / 2));
  setenv("TAVO_STANDARD_FILE", folder.filePath("standard.xml").toUtf8().constData(), 1);
  setenv("TAVO_USER_FILE", folder.filePath("user.xml").toUtf8().constData(), 1);
  CTavoHandler handler("");
  SilentPrompts prompts;
  StartValues start;
  start.qorMode = true;
  CTavoEditDlg dialog(handler, prompts, start);
  dialog.OnInitDialog();
  dialog.resize(1400, 900);
  dialog.show();
  CTavoGrid* grid = dialog.Grid();
  const std::string original = grid->GetCellText(1, CTavoGrid::kColWert);
  for (auto _ : state) {
    state.PauseTiming();
    grid->SetCellText(1, CTavoGrid::kColWert, "42.5");  // v000
    grid->OnCellChanged(1, CTavoGrid::kColWert, 0);
    dialog.UpdateObjectData(true);  // the commit: one step of 500 rows
    state.ResumeTiming();
    dialog.OnUndo();
    grid->repaint();
  }
  if (grid->GetRowCount() != properties + 1 || grid->GetCellText(1, CTavoGrid::kColWert) != original)
    state.SkipWithError("the undo did not show the object as it was");
}
BENCHMARK(BM_UndoGridCommit)->ArgName("properties")->Arg(500)->Unit(benchmark::kMillisecond);

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
