// The lookup of one object on files read only as far as it needs: the same object as on the whole
// files, or no such reading at all.

#include "tests/support/TestDatabase.h"

#include "tavo/material/ObjectReading.h"
#include "tavo/material/Vocabulary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vocabulary;

namespace {

using Names = std::vector<std::string>;

// What `tavo show --json` takes from a lookup: the rows with their level, the file, the priority
// and the formulas' warnings.
std::string Shown(CTavoHandler& handler, const Names& names)
{
  CTavoObj obj;
  std::string objekt = names[3];
  handler.GetObj(obj, names[0], names[1], names[2], objekt);
  std::string text = objekt + (obj.objectElement ? "" : " (none)") + (obj.inUserFile ? " user" : " standard") +
                     " priority " + std::to_string(obj.priority) + ":";
  for (QODOM_ELEMENT row : obj.propertyElements)
    text += std::string(" ") + QODOM_GetString(row, kKurzname) + "=" + QODOM_GetString(row, kWert01) + "|" +
            QODOM_GetString(row, kFormel) + "@" + QODOM_GetString(QODOM_GetParentElement(row), kName);
  for (const auto& [name, warnings] : obj.warnings)
    text += " !" + name + ":" + std::to_string(warnings.size());
  return text;
}

// Names written with references and a tab, properties at every level and below the object, an
// object among text and comments, a code given twice, a steel name and an old code name.
const char* const kStandard = R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- Ausgabe 1 -->
<Materialdatei>
  <Eigenschaft Kurzname="g" Formel="" Wert01="9.81"/>
  <Kategorie Name="Be&#116;on"><Eigenschaft Kurzname="rho" Wert01="2500"/>
    <Unterkategorie Name="N&amp;B"><Norm Name="EC2"><Eigenschaft Kurzname="gm" Name="C30" Wert01="1.5"/>
      <Objekt Name="C30" Prioritaet="3"><Eigenschaft Kurzname="f" Formel="f2*2" Wert01="1"/>
        <Eigenschaft Kurzname="f2" Formel="rho/100+g+q" Wert01="7"/><Notiz Name="x"><Eigenschaft Kurzname="t"/></Notiz>
      </Objekt>
      <Objekt Name="C35">Text<!-- c --><Eigenschaft Kurzname="z" Wert01="2"/></Objekt>
    </Norm></Unterkategorie>
  </Kategorie>
  <Kategorie Name="Beton"><Unterkategorie Name="N&amp;B"><Norm Name="EC2"><Objekt Name="C40"/></Norm></Unterkategorie></Kategorie>
  <Kategorie Name="Stahl"><Unterkategorie Name="Betonstahl"><Norm Name="EC2"><Objekt Name="B500A"/></Norm></Unterkategorie></Kategorie>
  <Kategorie Name="Tab	Name"><Unterkategorie Name="U"><Norm Name="DIN 1045-1"><Objekt Name="O" Prioritaet="x"/></Norm></Unterkategorie></Kategorie>
</Materialdatei>
)";
const char* const kUser = R"(<Materialdatei><Kategorie Name="Beton"><Unterkategorie Name="N&amp;B"><Norm Name="EC2">
  <Objekt Name="C50"><Eigenschaft Kurzname="u" Formel="2*3" Wert01=""/></Objekt><Objekt Name="C30"/></Norm></Unterkategorie>
</Kategorie></Materialdatei>)";

}  // namespace

TEST(ObjectReading, FindsWhatTheWholeFilesGive)
{
  const Names paths[] = {
      {"Beton", "N&B", "EC2", "C30"},       {"Beton", "N&B", "EC2", "C35"},
      {"Beton", "N&B", "EC2", "C40"},       {"Beton", "N&B", "EC2", "C50"},
      {"Beton", "N&B", "EC2", "C9"},        {"Stahl", "Betonstahl", "EC2", "BSt 500 SA"},
      {"Tab Name", "U", "DIN 1045-I", "O"}, {"Beton", "N", "EC2", "C30"},
      {"Holz", "N&B", "EC2", "C30"},
  };
  for (const char* user : {kUser, "", kStandard}) {
    TestDatabase db(kStandard, user);
    for (const Names& path : paths) {
      const auto reduced = OpenForOneObject(path[0], path[1], path[2], path[3]);
      ASSERT_TRUE(reduced) << path[3];
      EXPECT_EQ(Shown(*reduced, path), Shown(*db.Open(), path)) << path[3];
    }
  }
}

// Whatever the whole reading refuses, and what the reduced one does not follow, leaves the
// lookup to the whole files.
TEST(ObjectReading, LeavesToTheWholeFilesWhatItDoesNotFollow)
{
  const std::string standard = kStandard;
  const auto replaced = [&](const std::string& what, const std::string& by) {
    std::string text = standard;
    return text.replace(text.find(what), what.size(), by);
  };
  std::vector<std::string> texts = {
      replaced("<Notiz Name=\"x\">", "<Notiz Name=\"x\"><?p x?>"),
      replaced("<Notiz Name=\"x\">", "<Notiz Name=\"x\"><![CDATA[x]]>"),
      replaced("</Notiz>", "</Notix>"),
      replaced("</Materialdatei>", ""),
      replaced("<Notiz Name=", "<Notiz 1a="),
      replaced("<Notiz Name=\"x\">", "<Notiz Name=\"x\" Name=\"y\">"),
      replaced("encoding=\"UTF-8\"", "encoding=\"windows-1252\""),
      replaced("version=\"1.0\" encoding", "version encoding"),
      "\xEF\xBB\xBF" + standard,
  };
  for (const auto& file :
       std::filesystem::directory_iterator(std::string(std::getenv("TAVO_TEST_DATA")) + "/corpus/files")) {
    std::ifstream in(file.path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    texts.push_back(bytes.str());
  }
  for (const std::string& text : texts) {
    TestDatabase db(text, kUser);
    if (db.Open()->StandardOpenError().empty() && text.find("Be&#116;on") == std::string::npos)
      continue;  // a corpus file that opens
    EXPECT_FALSE(OpenForOneObject("Beton", "N&B", "EC2", "C30")) << text.substr(0, 200);
  }
  TestDatabase db(kStandard, kUser);
  EXPECT_FALSE(OpenForOneObject("Beton", "N&B", "EC2", ""));
}
