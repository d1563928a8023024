#include "tavo/shell/StartupLog.h"

#include "tavo/shell/ProgramRootFolder.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>

namespace {
constexpr int kOpenAttempts = 10;
constexpr auto kRetryPause = std::chrono::milliseconds(20);
}  // namespace

std::string FormatLogTimeStamp(std::chrono::system_clock::time_point time)
{
  using namespace std::chrono;
  const auto sinceEpoch = time.time_since_epoch();
  const auto seconds = floor<std::chrono::seconds>(sinceEpoch);
  const int milliseconds = static_cast<int>(duration_cast<std::chrono::milliseconds>(sinceEpoch - seconds).count());
  const std::time_t secondsT = static_cast<std::time_t>(seconds.count());
  std::tm utc{};
#ifdef _WIN32
  gmtime_s(&utc, &secondsT);
#else
  gmtime_r(&secondsT, &utc);
#endif
  char text[64];
  std::snprintf(text, sizeof text, "[%02d.%02d.%04d / %02d:%02d:%02d:%04d]", utc.tm_mday, utc.tm_mon + 1,
                utc.tm_year + 1900, utc.tm_hour, utc.tm_min, utc.tm_sec, milliseconds);
  return text;
}

void WriteStartupLog(const std::string& path, const std::string& message)
{
  if (path.empty())
    return;
  std::FILE* file = nullptr;
  for (int attempt = 0; attempt < kOpenAttempts && !file; ++attempt) {
    file = std::fopen(path.c_str(), "a");
    if (!file)
      std::this_thread::sleep_for(kRetryPause);
  }
  if (!file)
    return;
  const std::string stamp = FormatLogTimeStamp(std::chrono::system_clock::now());
  std::fprintf(file, "%s %s\n", stamp.c_str(), message.c_str());
  std::fclose(file);
}

std::string StartupLogPath()
{
  return StartupLogPathFor(ProgramRootFolder(), StartupLogStateFolder());
}

std::string StartupLogPathFor(const std::string& rootFolder, const std::string& stateFolder)
{
  // The retries are for a log that another start holds for a moment; a folder that cannot be
  // written stays so, and waiting for it would only delay every start.
  const QString inRoot = QString::fromStdString(rootFolder + NativePath("\\startup.log"));
  const QFileInfo rootLog(inRoot);
  if (QFileInfo(QString::fromStdString(rootFolder)).isWritable() && (!rootLog.exists() || rootLog.isWritable()))
    return inRoot.toStdString();
  const QString state = QString::fromStdString(stateFolder);
  if (stateFolder.empty() || !QDir().mkpath(state) || !QFileInfo(state).isWritable())
    return "";
  return QDir(state).filePath("startup.log").toStdString();
}

std::string StartupLogStateFolder()
{
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state && *state == '/')
    return std::string(state) + "/QOR/tavoEdit";
  const QString home = QDir::homePath();
  return home.isEmpty() ? std::string() : (home + "/.local/state/QOR/tavoEdit").toStdString();
}
