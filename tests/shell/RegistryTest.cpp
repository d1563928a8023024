#include "tavo/shell/AngleUnitSetting.h"
#include "tavo/shell/Registry.h"

#include "tests/support/TestFiles.h"

#include <QDir>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The settings store of these tests lives in a temporary folder.
class SettingsStore : public ::testing::Test {
 protected:
  void SetUp() override
  {
    QStandardPaths::setTestModeEnabled(true);
    QDir(ConfigFolder()).removeRecursively();
  }
  void TearDown() override { QDir(ConfigFolder()).removeRecursively(); }

  static QString ConfigFolder()
  {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/QOR";
  }

  static void Store(const std::string& text)
  {
    QDir().mkpath(ConfigFolder());
    std::ofstream(ConfigFolder().toStdString() + "/vantorplan.conf") << "[General]\nangleUnit=" << text << "\n";
  }
};

}  // namespace

TEST_F(SettingsStore, AngleUnitIsTheLeadingIntegerOfTheStoredText)
{
  EXPECT_EQ(ReadAngleUnitSetting(), 0);  // nothing stored
  for (const auto& [text, unit] : {std::pair{"-1", -1}, {"grad", 0}, {"2 gon", 2}}) {
    Store(text);
    EXPECT_EQ(ReadAngleUnitSetting(), unit) << text;
  }
  // What that reading does: a stored key opens, a missing value reads as empty.
  CRegistry registry;
  ASSERT_TRUE(registry.Connect(RegistryRoot::CurrentUser) && registry.Open("Software\\QOR\\vantorplan", 0xF003F));
  std::string text = "0";
  EXPECT_FALSE(registry.QueryValue("missing", text));
  EXPECT_EQ(text, "");
  EXPECT_TRUE(registry.QueryValue("angleUnit", text) && registry.Close());
  EXPECT_EQ(text, "2 gon");
}

// The registry keeps no file: there a key exists when it holds values, and the missing file of a
// file store must not count against it (else the angle unit would always read as radians).
TEST(RegistryKey, ExistsByFileOrByValuesAsTheStoreKeepsIt)
{
  TestFolder folder;
  QSettings empty(QString::fromStdString(folder.Path("empty.conf")), QSettings::IniFormat);
  QSettings holding(QString::fromStdString(folder.Path("unsaved.conf")), QSettings::IniFormat);
  holding.setValue("angleUnit", "1");  // held, not yet in a file
  QSettings saved(QString::fromStdString(folder.Write("saved.conf", "[General]\nangleUnit=2\n")), QSettings::IniFormat);
  struct Row {
    const QSettings& settings;
    bool storeIsFile, exists;
  } rows[] = {
      {holding, false, true}, {empty, false, false}, {saved, false, true},
      {holding, true, false}, {empty, true, false},  {saved, true, true},
  };
  for (const Row& row : rows)
    EXPECT_EQ(RegistryKeyExists(row.settings, row.storeIsFile), row.exists)
        << row.settings.fileName().toStdString() << " file store: " << row.storeIsFile;
  EXPECT_TRUE(IsFileStore(QSettings::IniFormat));
}
