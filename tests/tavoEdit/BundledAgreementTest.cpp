// The editor and `tavo show` agree on every row of every bundled object under each angle unit,
// both on the values as loaded and on the grid's own recalculation after an edit; closing then
// asks nothing.

#include "EditorTestSupport.h"

#include "tavo/formula/AngleUnit.h"
#include "tavo/shell/AngleUnitSetting.h"
#include "tavo/text/NumberText.h"
#include "tests/support/TavoTool.h"

#include <QDir>

#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

std::vector<std::string> Split(const std::string& line, char separator)
{
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, separator);)
    fields.push_back(field);
  if (separator == '\t' && !line.empty() && line.back() == separator)
    fields.emplace_back();  // an empty last column
  return fields;
}

std::vector<std::string> Entries(QComboBox* list)
{
  std::vector<std::string> entries;
  for (int i = 0; i < list->count(); ++i)
    if (!list->itemText(i).isEmpty())
      entries.push_back(list->itemText(i).toStdString());
  return entries;
}

bool SameNumber(const std::string& grid, const std::string& shown)
{
  const double a = ReadLeadingDouble(grid), b = ReadLeadingDouble(shown);
  return std::fabs(a - b) <= 1e-5 * std::max(std::fabs(a), std::fabs(b)) + 1e-12;
}

}  // namespace

TEST_F(EditorTest, ShowAndTheEditorAgreeOnEveryBundledObjectUnderEachAngleUnit)
{
  const std::string bundled = ReadFile(std::string(std::getenv("TAVO_TEST_DATA")) + "/../../data/Materialdatei.xml");
  const TestFolder config;
  QDir().mkpath(QString::fromStdString(config.Path("QOR")));
  const std::string previousConfig = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
  setenv("XDG_CONFIG_HOME", config.Root().c_str(), 1);
  for (const char* unit : {"0", "1", "2"}) {
    config.Write("QOR/vantorplan.conf", std::string("[General]\nangleUnit=") + unit + "\n");
    SetAngleUnitProvider(ReadAngleUnitSetting);  // the store is read anew for this unit
    Open({}, bundled, "");
    CTavoGrid* grid = m_dialog->Grid();
    int objects = 0;
    for (const std::string& kat : Entries(List(0))) {
      Choose(0, kat);
      for (const std::string& ukat : Entries(List(1))) {
        Choose(1, ukat);
        for (const std::string& norm : Entries(List(2))) {
          Choose(2, norm);
          for (const std::string& objekt : Entries(List(3))) {
            Choose(3, objekt);
            ++objects;
            const ProcessResult shown =
                Tavo({"--standard", m_db->StandardPath(), "--user", m_db->UserPath(), "show", kat, ukat, norm, objekt});
            const std::vector<std::string> lines = Split(shown.out, '\n');
            ASSERT_EQ(static_cast<int>(lines.size()), grid->GetRowCount() - 1) << objekt;
            for (int r = 1; r < grid->GetRowCount(); ++r) {
              const std::vector<std::string> fields = Split(lines[std::size_t(r - 1)], '\t');
              ASSERT_EQ(fields.size(), 6u) << lines[std::size_t(r - 1)];
              const std::string where = std::string(unit) + " " + objekt + " " + fields[0];
              EXPECT_EQ(grid->GetCellText(r, CTavoGrid::kColKurzname), fields[0]) << where;
              EXPECT_EQ(grid->GetCellText(r, CTavoGrid::kColWert), fields[1]) << where;
              EXPECT_EQ(grid->GetCellText(r, CTavoGrid::kColFormel), fields[2]) << where;
              EXPECT_EQ(grid->GetCellText(r, CTavoGrid::kColKnoten), fields[4]) << where;
            }
            // The grid's own recalculation, started by an edit that changes nothing, agrees too.
            const int first = 1;
            Edit(grid->GetCellText(first, CTavoGrid::kColKurzname), CTavoGrid::kColWert,
                 grid->GetCellText(first, CTavoGrid::kColWert));
            for (int r = 1; r < grid->GetRowCount(); ++r)
              EXPECT_TRUE(
                  SameNumber(grid->GetCellText(r, CTavoGrid::kColWert), Split(lines[std::size_t(r - 1)], '\t')[1]))
                  << unit << " " << objekt << " " << grid->GetCellText(r, CTavoGrid::kColKurzname) << ": "
                  << grid->GetCellText(r, CTavoGrid::kColWert);
          }
        }
      }
    }
    EXPECT_EQ(objects, 51);
    m_dialog->OnCancel();  // looking at everything, and edits that change nothing, leave nothing to ask
    EXPECT_EQ(m_prompts.asked, std::vector<std::string>{}) << unit;
  }
  if (previousConfig.empty())
    unsetenv("XDG_CONFIG_HOME");
  else
    setenv("XDG_CONFIG_HOME", previousConfig.c_str(), 1);
}
