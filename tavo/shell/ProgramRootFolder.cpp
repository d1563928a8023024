#include "tavo/shell/ProgramRootFolder.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

constexpr char kSeparator =
#ifdef _WIN32
    '\\';
#else
    '/';
#endif

// Cuts a path before its last separator; "" when it has none.
std::string CutBeforeLastSeparator(const std::string& path)
{
  const auto last = path.find_last_of(kSeparator);
  return last == std::string::npos ? std::string() : path.substr(0, last);
}

}  // namespace

std::string ExecutablePath()
{
#ifdef _WIN32
  char buffer[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  return std::string(buffer, length);
#else
  std::error_code error;
  const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
#endif
}

std::string ProgramRootFolderOf(const std::string& executablePath)
{
  return CutBeforeLastSeparator(CutBeforeLastSeparator(executablePath));
}

std::string ProgramRootFolder()
{
  return ProgramRootFolderOf(ExecutablePath());
}

std::string ProgramDataFolderOf(const std::string& rootFolder)
{
  const std::string installed = rootFolder + NativePath("\\share\\tavoEdit");
  std::error_code error;
  return std::filesystem::is_directory(installed, error) ? installed : rootFolder;
}

std::string ProgramDataFolder()
{
  return ProgramDataFolderOf(ProgramRootFolder());
}

std::string NativePath(std::string path)
{
  for (char& c : path)
    if (c == '\\' || c == '/')
      c = kSeparator;
  return path;
}
