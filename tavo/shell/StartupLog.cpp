#include "tavo/shell/StartupLog.h"

#include "tavo/shell/ProgramRootFolder.h"

#include <cstdio>
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
  return ProgramRootFolder() + NativePath("\\startup.log");
}
