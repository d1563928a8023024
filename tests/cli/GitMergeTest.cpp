// A material library shared through git: the drivers configured as the README says, concurrent
// edits on two branches made with `tavo set`, then `git merge` (the merge's rules are the
// library's and tested there).

#include "tests/support/TavoTool.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

const std::string kUser = MaterialFile(R"(  <Kategorie Name="Beton">
    <Unterkategorie Name="Normalbeton">
      <Norm Name="EC2">
        <Eigenschaft Kurzname="gamma_c" Wert01="1.5"/>
        <Objekt Name="A" Prioritaet="0">
          <Eigenschaft Kurzname="fck" Wert01="30"/>
          <Eigenschaft Kurzname="fcd" Formel="fck/gamma_c" Wert01="20"/>
          <Eigenschaft Kurzname="e" Wert01="1"/>
        </Objekt>
      </Norm>
    </Unterkategorie>
  </Kategorie>
)");

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
  // `tavo set` on the object A of the user file, then a commit.
  void Edit(const std::string& assignment, bool qorMode) const
  {
    std::vector<std::string> arguments{"--standard", File("Standard.xml"),      "--user",   File("Benutzer.xml"),
                                       "set",        "Beton/Normalbeton/EC2/A", assignment, "--save"};
    if (qorMode)
      arguments.push_back("--qormode");
    ASSERT_EQ(Tavo(arguments).exitCode, 0);
    ASSERT_EQ(Git({"commit", "-q", "-a", "-m", "edit"}).exitCode, 0);
  }
  std::string File(const std::string& name) const { return m_folder.Path(name); }

 private:
  TestFolder m_folder;
};

// Each branch edits with `tavo set`; then theirs is merged into main.
ProcessResult MergeBranches(const GitRepository& repository, const std::string& theirs, const std::string& ours,
                            bool theirsQorMode = false)
{
  EXPECT_EQ(repository.Git({"checkout", "-q", "-b", "theirs"}).exitCode, 0);
  repository.Edit(theirs, theirsQorMode);
  EXPECT_EQ(repository.Git({"checkout", "-q", "main"}).exitCode, 0);
  repository.Edit(ours, false);
  return repository.Git({"merge", "--no-edit", "theirs"});
}

TEST(GitMerge, TheSamePropertyOnBothBranchesIsAConflictNamedByPath)
{
  const GitRepository repository;
  const ProcessResult merge = MergeBranches(repository, "e=3", "e=2");
  EXPECT_NE(merge.exitCode, 0);
  EXPECT_NE(ReadFile(repository.File("Benutzer.xml")).find(R"(Kurzname="e" Wert01="2")"), std::string::npos);
  EXPECT_NE((merge.out + merge.err)
                .find("conflict: Beton/Normalbeton/EC2/A [e]  Wert01: base \"1\", ours \"2\", theirs \"3\""),
            std::string::npos)
      << merge.out << merge.err;
  EXPECT_NE(repository.Git({"status", "--short"}).out.find("UU Benutzer.xml"), std::string::npos);
}

TEST(GitMerge, DerivedValuesFollowBothSidesAndGitDiffReadsAsMaterialChanges)
{
  const GitRepository repository;
  // A code's factor on theirs (the QOR mode writes the level's row), the object's value on ours.
  ASSERT_EQ(MergeBranches(repository, "gamma_c=3", "fck=60", true).exitCode, 0);
  const std::string merged = ReadFile(repository.File("Benutzer.xml"));
  EXPECT_NE(merged.find(R"(Formel="fck/gamma_c" Wert01="20")"), std::string::npos) << merged;  // 60 / 3

  const ProcessResult diff = repository.Git({"diff", "HEAD~2", "HEAD", "--", "Benutzer.xml"});
  EXPECT_NE(diff.out.find("+          Beton/Normalbeton/EC2/A [fck]  Kurzname=\"fck\" Wert01=\"60\""),
            std::string::npos)
      << diff.out;
}

}  // namespace
