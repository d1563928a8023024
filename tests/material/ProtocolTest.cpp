// The protocol export: exact bytes with its progress, and targets that cannot be written.

#include "tavo/material/Protocol.h"

#include "tests/support/TestDatabase.h"

#include "tavo/outside/VBT.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include <utility>
#include <vector>

namespace {

const std::string kStandard = MaterialFile(R"(
<Kategorie Name="Beton" Prioritaet="0"><Eigenschaft Kurzname="rho" Name="Dichte" Wert01="2500" Einheit="kg/m³"/>
  <Unterkategorie Name="Normalbeton" Prioritaet="0">
    <Eigenschaft Kurzname="alpha_T" Name="Wärmedehnzahl" Wert01="1e-05" Einheit="1/K"/>
    <Norm Name="DIN 1045-1" Prioritaet="0"><Eigenschaft Kurzname="gamma_c" Name="Teilsicherheitsbeiwert" Wert01="1.5"/>
      <Objekt Name="C30/37" Prioritaet="1">
        <Eigenschaft Kurzname="fck" Name="Druckfestigkeit" Wert01="30" Einheit="N/mm²"/>
        <Eigenschaft Kurzname="fcd" Name="Bemessungswert" Formel="fck/gamma_c" Wert01="0" Einheit="N/mm²"/>
        <Eigenschaft Kurzname="eps_cu" Name="Bruchstauchung ε" Wert01="3.5" Einheit="‰"/>
</Objekt></Norm></Unterkategorie></Kategorie>
<Kategorie Name="Stahl" Prioritaet="2"/>
)");

// A category of the user file only: headers, objects, but no properties of its levels.
const std::string kUser = MaterialFile(R"(
<Kategorie Name="Eigene" Prioritaet="3"><Eigenschaft Kurzname="x" Name="nicht im Protokoll" Wert01="1"/>
  <Unterkategorie Name="Mischung" Prioritaet="0"><Norm Name="Hausnorm" Prioritaet="0"><Objekt Name="Würfel">
    <Eigenschaft Kurzname="a_very_long_short_name" Name="Lang" Wert01="12345678901234567" Einheit="sehr lange Einheit"/>
</Objekt></Norm></Unterkategorie></Kategorie>
)");

// Code page 1252: ³ B3, ä E4, ² B2, ‰ 89, ü FC; the Greek ε is missing there and becomes "?".
const std::string kExpected =
    "\nKategorie: Beton\n"
    "\trho            \t[     kg/m\xB3]\t= 2500           \tDichte\n"
    "\n\tUnterkategorie: Normalbeton\n"
    "\t\talpha_T        \t[       1/K]\t= 1e-05          \tW\xE4rmedehnzahl\n"
    "\n\t\tNorm: DIN 1045-1\n"
    "\t\t\tgamma_c        \t[          ]\t= 1.5            \tTeilsicherheitsbeiwert\n"
    "\n\t\t\tObjekt: \n"
    "\n\t\t\tObjekt: C30/37\n"
    "\t\t\t\tfck            \t[     N/mm\xB2]\t= 30             \tDruckfestigkeit\n"
    "\t\t\t\tfcd            \t[     N/mm\xB2]\t= 20             \tBemessungswert\n"
    "\t\t\t\teps_cu         \t[         \x89]\t= 3.5            \tBruchstauchung ?\n"
    "\nKategorie: \n"
    "\n\tUnterkategorie: \n"
    "\n\t\tNorm: \n"
    "\nKategorie: Stahl\n"
    "\n\tUnterkategorie: \n"
    "\n\t\tNorm: \n"
    "\nKategorie: Eigene\n"
    "\n\tUnterkategorie: Mischung\n"
    "\n\t\tNorm: Hausnorm\n"
    "\n\t\t\tObjekt: W\xFCrfel\n"
    "\t\t\t\ta_very_long_short_name\t[sehr lange Einheit]\t= 12345678901234567\tLang\n";

}  // namespace

TEST(Protocol, WritesEveryLevelInListOrderByteForByteOrReportsATargetThatCannotBeWritten)
{
  TestFolder out;
  VBT_SetLanguage("xx", out.Root());  // no catalogue: every name is written as it stands
  TestDatabase db(kStandard, kUser);
  const auto handler = db.Open();
  const std::string path = out.Path("material.txt");
  out.Write("material.txt", "old content that is replaced\n");
  std::string error;
  std::vector<std::pair<int, int>> progress;
  ASSERT_TRUE(ExportProtocol(*handler, path, error, [&](int done, int total) { progress.emplace_back(done, total); }))
      << error;
  EXPECT_EQ(ReadFile(path), kExpected);
  EXPECT_TRUE(error.empty());
  // One step per object; the empty object slot counts as an object of the list too.
  EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));

  // A target that cannot be written is named with its reason and leaves no file.
  for (const std::string& target : {out.Path("missing/folder/material.txt"), out.Root()}) {
    EXPECT_FALSE(ExportProtocol(*handler, target, error)) << target;
    EXPECT_EQ(error.rfind(target + ": ", 0), 0u) << error;
    EXPECT_GT(error.size(), target.size() + 2) << "a reason follows the path";
  }
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(out.Path("missing"))));
  EXPECT_TRUE(QFileInfo(QString::fromStdString(out.Root())).isDir());
}
