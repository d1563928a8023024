// Material files that cannot be read as a whole: a named pipe, a device, a folder, a file larger
// than the memory left. Every command refuses them at once with the path, the reason and exit
// status 3; none waits, reads without end or dies.

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <cstdlib>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
constexpr bool kSanitized = __has_feature(address_sanitizer);
#else
constexpr bool kSanitized = false;
#endif

constexpr const char* kMaterial = "<Materialdatei>\n  <Kategorie Name=\"Beton\" Prioritaet=\"0\"/>\n</Materialdatei>\n";

struct Outcome {
  bool finished = false;
  int exitCode = -1;
  std::string output;  // standard output and error
};

// Runs `tavo --standard STANDARD --user USER COMMAND`, with the data segment limited to
// `dataLimit` bytes when that is given; waits ten seconds at most.
Outcome RunTavo(const std::string& standard, const std::string& user, const char* command, rlim_t dataLimit = 0)
{
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  if (dataLimit)
    process.setChildProcessModifier([dataLimit] {
      const rlimit limit{dataLimit, dataLimit};
      setrlimit(RLIMIT_DATA, &limit);
    });
  process.start(std::getenv("TAVO_CLI"),
                {"--standard", QString::fromStdString(standard), "--user", QString::fromStdString(user), command});
  process.closeWriteChannel();
  Outcome outcome;
  outcome.finished = process.waitForFinished(10000);
  if (!outcome.finished)
    process.kill();
  process.waitForFinished();
  outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  outcome.output = process.readAll().toStdString();
  return outcome;
}

}  // namespace

TEST(UnreadableFile, NoRegularFileIsOpenedAndNoCommandWaits)
{
  TestFolder folder;
  const std::string standard = folder.Write("standard.xml", kMaterial);
  const std::string pipe = folder.Path("user.xml");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const struct {
    std::string standard, user, refused, reason;
  } rows[] = {
      {standard, pipe, pipe, "a named pipe, not a regular file"},
      {"/dev/zero", folder.Path("missing.xml"), "/dev/zero", "a device, not a regular file"},
      {folder.Root(), folder.Path("missing.xml"), folder.Root(), "a folder, not a regular file"},
  };
  for (const auto& row : rows)
    for (const char* command : {"list", "check", "recalc"}) {
      SCOPED_TRACE(row.reason + " " + command);
      const Outcome outcome = RunTavo(row.standard, row.user, command);
      ASSERT_TRUE(outcome.finished);
      EXPECT_EQ(outcome.exitCode, 3);
      EXPECT_NE(outcome.output.find(row.refused + ":"), std::string::npos) << outcome.output;
      EXPECT_NE(outcome.output.find(row.reason), std::string::npos) << outcome.output;
    }
}

// Reading a UTF-16 file takes its bytes and their conversion at once: with 128 MB for the data
// of the process, 64 MB of text cannot be read.
TEST(UnreadableFile, FileLargerThanTheMemoryLeftIsRefused)
{
  if (kSanitized)
    GTEST_SKIP() << "the sanitizer's own memory does not fit a data limit";
  TestFolder folder;
  std::string text("\xFF\xFE<\0R\0>\0", 8);
  text.resize(text.size() + (64 << 20), 'a');
  const std::string standard = folder.Write("standard.xml", text);
  const Outcome outcome = RunTavo(standard, folder.Path("missing.xml"), "list", rlim_t{128} << 20);
  ASSERT_TRUE(outcome.finished);
  EXPECT_EQ(outcome.exitCode, 3);
  EXPECT_NE(outcome.output.find(standard + ": not enough memory to read the file"), std::string::npos)
      << outcome.output;
}
