// diff, merge and the scripted edits as scripts use them: exit statuses, files left alone on bad
// input, rights, two processes saving one file one after the other, and a material library shared
// through git with the drivers configured as the README says (the merge's rules are the
// library's and tested there).

#include "tests/support/TavoTool.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <fstream>
#include <thread>

#include <sys/syscall.h>

namespace {

const std::string kStandard = MaterialFile(
    R"(  <Kategorie Name="Beton" Prioritaet="0"><Unterkategorie Name="Normalbeton" Prioritaet="0"><Norm Name="EC2" Prioritaet="0">
    <Objekt Name="C30/37" Prioritaet="0"><Eigenschaft Kurzname="fck" Wert01="30"/></Objekt>
  </Norm></Unterkategorie></Kategorie>
)");

const std::string kUser = MaterialFile(R"(  <Kategorie Name="Beton"><Unterkategorie Name="Normalbeton"><Norm Name="EC2">
    <Objekt Name="Mein" Prioritaet="0"><Eigenschaft Kurzname="fck" Wert01="30"/><Eigenschaft Kurzname="fcm" Formel="fck+8" Wert01="38"/>
      <Eigenschaft Kurzname="e" Wert01="1"/></Objekt>
  </Norm></Unterkategorie></Kategorie>
)");

const std::string kMein = "Beton/Normalbeton/EC2/Mein", kC30 = "Beton/Normalbeton/EC2/C30/37";

TEST(DiffCommand, LayoutIsNoDifferenceAndChangesAreNamedByPath)
{
  TestFolder folder;
  std::string relaid = kUser;
  relaid.replace(relaid.find(R"(Name="Mein" Prioritaet="0")"), 26, "Prioritaet='0'\r\n Name='Mein'");
  const std::string a = folder.Write("a.xml", kUser), b = folder.Write("b.xml", relaid);
  EXPECT_EQ(Tavo({"diff", a, b}).exitCode, 0);
  std::string changed = kUser;
  changed.replace(changed.find(R"(Wert01="1")"), 10, R"(Wert01="2")");
  const ProcessResult diff = Tavo({"diff", a, folder.Write("c.xml", changed)});
  EXPECT_EQ(diff.exitCode, 1);
  EXPECT_EQ(diff.out, "~ Beton/Normalbeton/EC2/Mein [e]  Wert01: \"1\" -> \"2\"\n");
  EXPECT_EQ(Tavo({"diff", a, folder.Path("missing.xml")}).exitCode, 3);
}

TEST(MergeCommand, BadInputChangesNoFile)
{
  TestFolder folder;
  const std::string base = folder.Write("base.xml", kUser), ours = folder.Write("ours.xml", kUser);
  const std::string theirs = folder.Write("theirs.xml", kStandard), out = folder.Write("out.xml", "before");
  const std::string malformed = folder.Write("bad.xml", "<Materialdatei><Kategorie></Materialdatei>");
  const std::string other = folder.Write("other.xml", "<Liste/>");
  const std::string foreign = folder.Write("foreign.xml", "<Materialdatei><Kategorie Name=\"Holz\"/></Materialdatei>");
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } cases[] = {
      {{"merge", base, malformed, theirs, "-o", out}, "bad.xml:1:"},
      {{"merge", other, ours, theirs, "-o", out}, "no versions of one file"},
      {{"merge", foreign, ours, theirs, "-o", out}, "no ancestor"},
      {{"merge", base, ours, theirs, "-o", folder.Path("no/such/folder/out.xml")}, "cannot write"},
  };
  for (const auto& c : cases) {
    const ProcessResult merge = Tavo(c.arguments);
    EXPECT_EQ(merge.exitCode, 3) << c.message;
    EXPECT_NE(merge.err.find(c.message), std::string::npos) << merge.err;
    EXPECT_EQ(ReadFile(out), "before");
    EXPECT_EQ(ReadFile(ours), kUser);
  }
}

TEST(EditCommands, ChangeOnlyWithSaveAndWithinTheModesRights)
{
  const struct {
    std::vector<std::string> arguments;
    int exitCode;
    const char* file;      // the file that changes, "" none
    const char* contains;  // what it then holds
  } cases[] = {
      {{"set", kMein, "fck=40"}, 0, "", ""},
      {{"set", kMein, "fck=40,5", "--save"},
       0,
       "user",
       R"(Wert01="40.5"/><Eigenschaft Kurzname="fcm" Formel="fck+8" Wert01="48.5"/>)"},
      {{"set", kMein, "fcm=1", "--save"}, 1, "", ""},
      {{"set", kMein, "fcm=fck*2", "--formula", "--save"}, 1, "", ""},
      {{"set", kMein, "fcm=fck*2", "--formula", "--save", "--qormode"}, 0, "user", R"(Formel="fck*2" Wert01="60")"},
      {{"set", kMein, "nix=1", "--save"}, 1, "", ""},
      {{"set", kC30, "fck=35", "--save"}, 1, "", ""},
      {{"set", kC30, "fck=35", "--save", "--qormode"}, 0, "std", R"(Wert01="35")"},
      {{"copy", kC30, "C30/37 eigen", "--save"}, 0, "user", R"(Name="C30/37 eigen" Prioritaet="1")"},
      {{"copy", kMein, "C30/37", "--save"}, 1, "", ""},
      {{"delete", kC30, "--save"}, 1, "", ""},
      {{"delete", kMein, "--save"}, 0, "user", "<Norm Name=\"EC2\">\n  </Norm>"},
      {{"priority", kMein, "7", "--save"}, 1, "", ""},
      {{"priority", kMein, "7", "--save", "--qormode"}, 0, "user", R"(Name="Mein" Prioritaet="7")"},
      {{"set", "Beton/Normalbeton", "fck=1"}, 2, "", ""},
  };
  for (const auto& c : cases) {
    const TavoFiles database(kStandard, kUser);
    const ProcessResult run = database.Run(c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments[0] << " " << c.arguments.back() << ": " << run.err;
    const std::string user = ReadFile(database.user), standard = ReadFile(database.standard);
    EXPECT_EQ(user == kUser, std::string(c.file) != "user") << c.arguments[0] << "\n" << user;
    EXPECT_EQ(standard == kStandard, std::string(c.file) != "std") << c.arguments[0];
    if (*c.file) {
      EXPECT_NE((std::string(c.file) == "user" ? user : standard).find(c.contains), std::string::npos) << user;
    }
  }
}

// Two editors: the second reads the file and waits for its assignments on standard input while
// the first saves a change of another property; then the second saves and merges.
TEST(EditCommands, TheSecondOfTwoEditorsMergesAndNothingIsLost)
{
  const TavoFiles database(kStandard, kUser);
  QProcess second;
  second.start(std::getenv("TAVO_CLI"), QStringList{"--standard", QString::fromStdString(database.standard), "--user",
                                                    QString::fromStdString(database.user), "set",
                                                    QString::fromStdString(kMein), "-", "--save", "--merge"});
  ASSERT_TRUE(second.waitForStarted());
  // Linux names the system call a process waits in: read (of standard input, descriptor 0).
  const std::string syscall = "/proc/" + std::to_string(second.processId()) + "/syscall";
  const std::string readingInput = std::to_string(SYS_read) + " 0x0 ";
  std::string now;
  for (int tries = 0; tries < 3000 && std::getline(std::ifstream(syscall), now) && now.rfind(readingInput, 0) != 0;
       ++tries)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(database.Run({"set", kMein, "fck=50", "--save"}).exitCode, 0);
  second.write("e=2\n");
  second.closeWriteChannel();
  ASSERT_TRUE(second.waitForFinished(60000));
  EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
  EXPECT_NE(second.readAllStandardOutput().toStdString().find("merged 2 changes from the file on disk"),
            std::string::npos);
  const std::string merged = ReadFile(database.user);
  for (const char* kept :
       {R"(Kurzname="fck" Wert01="50")", R"(Kurzname="fcm" Formel="fck+8" Wert01="58")", R"(Kurzname="e" Wert01="2")"})
    EXPECT_NE(merged.find(kept), std::string::npos) << kept << "\n" << merged;
}

const std::string kLibrary =
    MaterialFile(R"(  <Kategorie Name="Beton"><Unterkategorie Name="Normalbeton"><Norm Name="EC2">
    <Eigenschaft Kurzname="gamma_c" Wert01="1.5"/>
    <Objekt Name="A" Prioritaet="0"><Eigenschaft Kurzname="fck" Wert01="30"/><Eigenschaft Kurzname="fcd" Formel="fck/gamma_c" Wert01="20"/>
      <Eigenschaft Kurzname="e" Wert01="1"/></Objekt>
  </Norm></Unterkategorie></Kategorie>
)");

// The user file of the library in a git repository, edited with `tavo set` on two branches.
class GitRepository {
 public:
  GitRepository()
  {
    const std::string tavo = std::getenv("TAVO_CLI");
    m_files.folder.Write(".gitattributes", "*.xml merge=tavo diff=tavo\n");
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
    arguments.insert(arguments.begin(), {"-C", m_files.folder.Root()});
    return RunProcess("git", arguments);
  }
  std::string User() const { return ReadFile(m_files.user); }

  // `tavo set` on the object A on a new branch and then on main, a commit each; then the branch is
  // merged into main.
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
  void Edit(std::vector<std::string> arguments) const
  {
    arguments.insert(arguments.begin(), {"set", "Beton/Normalbeton/EC2/A", "--save"});
    EXPECT_EQ(m_files.Run(arguments).exitCode, 0);
    EXPECT_EQ(Git({"commit", "-q", "-a", "-m", "edit"}).exitCode, 0);
  }

  TavoFiles m_files{"<Materialdatei/>\n", kLibrary};
};

TEST(GitMerge, DerivedValuesFollowBothBranchesAndAConflictIsNamedByPath)
{
  const GitRepository repository;
  // A code's factor on theirs (the QOR mode writes the level's row), the object's value on ours.
  ASSERT_EQ(repository.MergeBranch("factor", {"gamma_c=3", "--qormode"}, {"fck=60"}).exitCode, 0);
  EXPECT_NE(repository.User().find(R"(Formel="fck/gamma_c" Wert01="20")"), std::string::npos);  // 60 / 3
  const ProcessResult diff = repository.Git({"diff", "HEAD~2", "HEAD", "--", "user.xml"});
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
  EXPECT_NE(repository.Git({"status", "--short"}).out.find("UU user.xml"), std::string::npos);
}

}  // namespace
