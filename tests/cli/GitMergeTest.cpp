// A material library shared through git: the drivers configured as the README says, concurrent
// edits on two branches made with `tavo set`, then `git merge` (the merge's rules are the
// library's and tested there).

#include "tests/support/TavoTool.h"

#include <gtest/gtest.h>

namespace {

const std::string kUser = MaterialFile(R"(  <Kategorie Name="Beton"><Unterkategorie Name="Normalbeton"><Norm Name="EC2">
    <Eigenschaft Kurzname="gamma_c" Wert01="1.5"/>
    <Objekt Name="A" Prioritaet="0">
      <Eigenschaft Kurzname="fck" Wert01="30"/>
      <Eigenschaft Kurzname="fcd" Formel="fck/gamma_c" Wert01="20"/>
      <Eigenschaft Kurzname="e" Wert01="1"/>
    </Objekt>
  </Norm></Unterkategorie></Kategorie>
)");

class GitRepository {
 public:
  GitRepository()
  {
    const std::string tavo = std::getenv("TAVO_CLI");
    m_folder.Write(".gitattributes", "*.xml merge=tavo diff=tavo\n");
    m_folder.Write("Benutzer.xml", kUser);
    m_folder.Write("Standard.xml", "<Materialdatei/>\n");
    Git({"init", "-q", "-b", "main"});
    Git({"config", "user.email", "test@example.org"});
    Git({"config", "user.name", "Test"});
    Git({"config", "merge.tavo.name", "material files"});
    Git({"config", "merge.tavo.driver", "'" + tavo + "' merge %O %A %B -o %A"});
    Git({"config", "diff.tavo.textconv", "'" + tavo + "' diff --textconv"});
    Git({"add", "."});
    Git({"commit", "-q", "-m", "base"});
  }

  ProcessResult Git(std::vector<std::string> arguments) const
  {
    arguments.insert(arguments.begin(), {"-C", m_folder.Root()});
    return RunProcess("git", arguments);
  }
  std::string User() const { return ReadFile(m_folder.Path("Benutzer.xml")); }

  // `tavo set` on the object A of the user file on a new branch and then on main, a commit each;
  // then the branch is merged into main.
  ProcessResult MergeBranch(const std::string& branch, const std::vector<std::string>& theirs,
                            const std::vector<std::string>& ours) const
  {
    EXPECT_EQ(Git({"checkout", "-q", "-b", branch}).exitCode, 0);
    Edit(theirs);
    EXPECT_EQ(Git({"checkout", "-q", "main"}).exitCode, 0);
    Edit(ours);
    return Git({"merge", "--no-edit", branch});
  }

 private:
  void Edit(const std::vector<std::string>& options) const
  {
    std::vector<std::string> arguments{
        "--standard", m_folder.Path("Standard.xml"), "--user", m_folder.Path("Benutzer.xml"),
        "set",        "Beton/Normalbeton/EC2/A",     "--save"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    EXPECT_EQ(Tavo(arguments).exitCode, 0);
    EXPECT_EQ(Git({"commit", "-q", "-a", "-m", "edit"}).exitCode, 0);
  }

  TestFolder m_folder;
};

TEST(GitMerge, DerivedValuesFollowBothBranchesAndAConflictIsNamedByPath)
{
  const GitRepository repository;
  // A code's factor on theirs (the QOR mode writes the level's row), the object's value on ours.
  ASSERT_EQ(repository.MergeBranch("factor", {"gamma_c=3", "--qormode"}, {"fck=60"}).exitCode, 0);
  EXPECT_NE(repository.User().find(R"(Formel="fck/gamma_c" Wert01="20")"), std::string::npos);  // 60 / 3
  const ProcessResult diff = repository.Git({"diff", "HEAD~2", "HEAD", "--", "Benutzer.xml"});
  EXPECT_NE(diff.out.find("+          Beton/Normalbeton/EC2/A [fck]  Kurzname=\"fck\" Wert01=\"60\""),
            std::string::npos)
      << diff.out;

  const ProcessResult merge = repository.MergeBranch("e", {"e=3"}, {"e=2"});
  EXPECT_NE(merge.exitCode, 0);
  EXPECT_NE(repository.User().find(R"(Kurzname="e" Wert01="2")"), std::string::npos);
  EXPECT_NE((merge.out + merge.err)
                .find("conflict: Beton/Normalbeton/EC2/A [e]  Wert01: base \"1\", ours \"2\", theirs \"3\""),
            std::string::npos)
      << merge.out << merge.err;
  EXPECT_NE(repository.Git({"status", "--short"}).out.find("UU Benutzer.xml"), std::string::npos);
}

}  // namespace
