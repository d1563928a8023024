// A material library shared through git: the drivers configured as the README says, concurrent
// edits on two branches made with `tavo set`, then `git merge`.

#include "tests/support/TavoTool.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

const std::string kUser = R"(<?xml version="1.0" encoding="UTF-8"?>
<Materialdatei>
  <Kategorie Name="Beton">
    <Unterkategorie Name="Normalbeton">
      <Norm Name="EC2">
        <Eigenschaft Kurzname="gamma_c" Wert01="1.5"/>
        <Objekt Name="A" Prioritaet="0">
          <Eigenschaft Kurzname="fck" Wert01="30"/>
          <Eigenschaft Kurzname="fcd" Formel="fck/gamma_c" Wert01="20"/>
          <Eigenschaft Kurzname="e" Wert01="1"/>
        </Objekt>
        <Objekt Name="B" Prioritaet="1">
          <Eigenschaft Kurzname="fck" Wert01="40"/>
        </Objekt>
      </Norm>
    </Unterkategorie>
  </Kategorie>
</Materialdatei>
)";

class GitRepository {
 public:
  GitRepository()
  {
    Git({"init", "-q", "-b", "main"});
    Git({"config", "user.email", "test@example.org"});
    Git({"config", "user.name", "Test"});
    const std::string tavo = std::getenv("TAVO_CLI");
    m_folder.Write(".gitattributes", "*.xml merge=tavo diff=tavo\n");
    Git({"config", "merge.tavo.name", "material files"});
    Git({"config", "merge.tavo.driver", "'" + tavo + "' merge %O %A %B -o %A"});
    Git({"config", "diff.tavo.textconv", "'" + tavo + "' diff --textconv"});
    m_folder.Write("Benutzer.xml", kUser);
    m_folder.Write("Standard.xml", "<Materialdatei/>\n");
    Git({"add", "."});
    Git({"commit", "-q", "-m", "base"});
  }

  ProcessResult Git(std::vector<std::string> arguments) const
  {
    arguments.insert(arguments.begin(), {"-C", m_folder.Root()});
    return RunProcess("git", arguments);
  }
  // `tavo set` on the user file, then a commit.
  void Edit(const std::string& object, const std::vector<std::string>& assignments, bool qorMode = false) const
  {
    std::vector<std::string> arguments{
        "--standard", File("Standard.xml"), "--user", File("Benutzer.xml"), "set", "Beton/Normalbeton/EC2/" + object};
    arguments.insert(arguments.end(), assignments.begin(), assignments.end());
    arguments.push_back("--save");
    if (qorMode)
      arguments.push_back("--qormode");
    ASSERT_EQ(Tavo(arguments).exitCode, 0);
    ASSERT_EQ(Git({"commit", "-q", "-a", "-m", "edit"}).exitCode, 0);
  }
  std::string File(const std::string& name) const { return m_folder.Path(name); }

 private:
  TestFolder m_folder;
};

struct BranchEdit {
  std::string object;
  std::vector<std::string> assignments;
};

const struct GitCase {
  const char* name;
  BranchEdit ours, theirs;
  bool clean;
  std::vector<std::string> expected;  // what the merged file holds
} kCases[] = {
    {"DifferentObjects",
     {"A", {"e=2"}},
     {"B", {"fck=45"}},
     true,
     {R"(Kurzname="e" Wert01="2")", R"(Kurzname="fck" Wert01="45")"}},
    {"SameObjectDifferentProperties",
     {"A", {"fck=45"}},
     {"A", {"e=3"}},
     true,
     {R"(Kurzname="fck" Wert01="45")", R"(Wert01="30")", R"(Kurzname="e" Wert01="3")"}},
    {"SameProperty", {"A", {"e=2"}}, {"A", {"e=3"}}, false, {R"(Kurzname="e" Wert01="2")"}},
};

class GitMergeTest : public testing::TestWithParam<GitCase> {};

TEST_P(GitMergeTest, MergesBranchesThroughTheDriver)
{
  const GitCase& c = GetParam();
  const GitRepository repository;
  ASSERT_EQ(repository.Git({"checkout", "-q", "-b", "theirs"}).exitCode, 0);
  repository.Edit(c.theirs.object, c.theirs.assignments);
  ASSERT_EQ(repository.Git({"checkout", "-q", "main"}).exitCode, 0);
  repository.Edit(c.ours.object, c.ours.assignments);

  const ProcessResult merge = repository.Git({"merge", "--no-edit", "theirs"});
  EXPECT_EQ(merge.exitCode == 0, c.clean) << merge.out << merge.err;
  const std::string merged = ReadFile(repository.File("Benutzer.xml"));
  for (const std::string& text : c.expected)
    EXPECT_NE(merged.find(text), std::string::npos) << text << "\n" << merged;
  if (!c.clean) {
    EXPECT_NE((merge.out + merge.err)
                  .find("conflict: Beton/Normalbeton/EC2/A [e]  Wert01: base \"1\", ours \"2\", theirs \"3\""),
              std::string::npos)
        << merge.out << merge.err;
    EXPECT_NE(repository.Git({"status", "--short"}).out.find("UU Benutzer.xml"), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, GitMergeTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GitMerge, DerivedValuesFollowBothSidesAndGitDiffReadsAsMaterialChanges)
{
  const GitRepository repository;
  ASSERT_EQ(repository.Git({"checkout", "-q", "-b", "theirs"}).exitCode, 0);
  repository.Edit("A", {"gamma_c=3"}, true);  // a code's factor: the QOR mode writes the level's row
  ASSERT_EQ(repository.Git({"checkout", "-q", "main"}).exitCode, 0);
  repository.Edit("A", {"fck=60"});
  ASSERT_EQ(repository.Git({"merge", "--no-edit", "theirs"}).exitCode, 0);
  const std::string merged = ReadFile(repository.File("Benutzer.xml"));
  EXPECT_NE(merged.find(R"(Formel="fck/gamma_c" Wert01="20")"), std::string::npos) << merged;  // 60 / 3

  const ProcessResult diff = repository.Git({"diff", "HEAD~2", "HEAD", "--", "Benutzer.xml"});
  EXPECT_NE(diff.out.find("+          Beton/Normalbeton/EC2/A [fck]  Kurzname=\"fck\" Wert01=\"60\""),
            std::string::npos)
      << diff.out;
}

}  // namespace
