// Switching the code list of the editor, offscreen: the dialog on a generated database (1,000
// objects give 33 per code, 100,000 give 3,333), the user choosing the other of two codes, the
// object list refilled and the first object shown, then one paint. It must fit in one frame.

#include "bench/material/DatabaseGenerator.h"
#include "tavo/material/TavoHandler.h"
#include "tavo/tavoEdit/EditorPrompts.h"
#include "tavo/tavoEdit/TavoEditDlg.h"

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QTemporaryDir>

#include <cstdlib>
#include <fstream>
#include <memory>

namespace {

void Write(const std::string& path, const std::string& text)
{
  std::ofstream(path, std::ios::binary) << text;
}

void BM_CodeSwitch(benchmark::State& state)
{
  const QTemporaryDir folder;
  const std::string standard = folder.filePath("standard.xml").toStdString();
  const std::string user = folder.filePath("user.xml").toStdString();
  {
    const GeneratedDatabase db = GenerateDatabase(static_cast<int>(state.range(0)), 20240601);
    Write(standard, db.xml);
    Write(user, db.userXml);
  }
  setenv("TAVO_STANDARD_FILE", standard.c_str(), 1);
  setenv("TAVO_USER_FILE", user.c_str(), 1);
  CTavoHandler handler;
  CDialogPrompts prompts;
  CTavoEditDlg dialog(handler, prompts, StartValues{});
  dialog.OnInitDialog();
  dialog.resize(1400, 900);
  dialog.show();
  auto* codes = dialog.findChild<QComboBox*>("cbxNorm");
  auto* objects = dialog.findChild<QComboBox*>("cbxObjekt");
  if (!codes || codes->count() < 2) {
    state.SkipWithError("fewer than two codes");
    return;
  }
  int line = 0;
  for (auto _ : state) {
    line = 1 - line;
    codes->setCurrentIndex(line);
    emit codes->activated(line);
    dialog.repaint();
  }
  state.counters["objects/code"] = objects->count();
}
BENCHMARK(BM_CodeSwitch)->ArgName("objects")->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
