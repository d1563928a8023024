#include "tavo/outside/AtomicFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <filesystem>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Writes all bytes to the open file and syncs them; false with the system's reason.
bool WriteAndSync(QFileDevice& file, std::string_view bytes, std::string& reason)
{
#ifdef Q_OS_WIN
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size || !file.flush()) {
    reason = ReasonOf(file, errno);
    return false;
  }
  return true;
#else
  // Straight to the descriptor, so that the reason of a failure is the call's own errno.
  const int handle = file.handle();
  while (!bytes.empty()) {
    const ssize_t written = ::write(handle, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR)
      continue;
    if (written <= 0) {
      reason = written < 0 ? std::strerror(errno) : "nothing could be written";
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  if (::fsync(handle) != 0) {
    reason = std::strerror(errno);
    return false;
  }
  return true;
#endif
}

// Gives the open file the mode and, where permitted, the owner and group.
bool GiveOwnership(QFileDevice& file, const FileOwnership& ownership, std::string& reason)
{
#ifdef Q_OS_WIN
  (void)file;
  (void)ownership;
  (void)reason;
  return true;
#else
  const int handle = file.handle();
  // Owner first: changing it may clear the set-id bits that the mode then restores.
  if (::fchown(handle, static_cast<uid_t>(ownership.owner), static_cast<gid_t>(ownership.group)) != 0)
    (void)::fchown(handle, static_cast<uid_t>(-1), static_cast<gid_t>(ownership.group));
  if (::fchmod(handle, static_cast<mode_t>(ownership.mode & 07777)) != 0) {
    reason = std::strerror(errno);
    return false;
  }
  return true;
#endif
}

// Temporary names end in six letters and digits. A plain word there (all small, all capital, or
// capitalised) is more likely a name that someone chose, and is left alone.
bool IsTemporarySuffix(const QString& suffix)
{
  if (suffix.size() != 6)
    return false;
  int lower = 0, upper = 0, digits = 0;
  for (const QChar c : suffix) {
    if (c >= 'a' && c <= 'z')
      ++lower;
    else if (c >= 'A' && c <= 'Z')
      ++upper;
    else if (c >= '0' && c <= '9')
      ++digits;
    else
      return false;
  }
  const bool capitalised = suffix[0].isUpper() && upper == 1;
  return digits > 0 || (lower > 0 && upper > 0 && !capitalised);
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error,
                         const ReplaceOptions& options)
{
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) {
    error = path + ": cannot be written: " + ReasonOf(file, errno);
    return false;
  }
  std::string reason;
  if (!WriteAndSync(file, bytes, reason) || (options.ownership && !GiveOwnership(file, *options.ownership, reason))) {
    error = path + ": writing failed: " + reason;
    file.cancelWriting();
    return false;
  }
  if (options.beforeReplace && !options.beforeReplace(error)) {
    file.cancelWriting();
    return false;
  }
  errno = 0;
  if (!file.commit()) {
    error = path + ": the new content could not replace the file: " + ReasonOf(file, errno);
    return false;
  }
  return SyncFolderOf(path, error);
}

bool ReplaceWithNewFile(const std::string& path, std::string_view bytes, const std::optional<FileOwnership>& ownership,
                        std::string& error)
{
  // Created anew (never opened through an existing name), then renamed: a rename replaces a link
  // itself, never what it points to.
  QTemporaryFile temporary(QString::fromStdString(path) + ".XXXXXX");
  if (!temporary.open()) {
    error = path + ": cannot be written: " + ReasonOf(temporary, errno);
    return false;
  }
  std::string reason;
  if (!WriteAndSync(temporary, bytes, reason) || (ownership && !GiveOwnership(temporary, *ownership, reason))) {
    error = path + ": writing failed: " + reason;
    return false;
  }
  std::error_code renamed;
  std::filesystem::rename(std::filesystem::u8path(temporary.fileName().toStdString()), std::filesystem::u8path(path),
                          renamed);
  if (renamed) {
    error = path + ": the new content could not replace the file: " + renamed.message();
    return false;
  }
  temporary.setAutoRemove(false);
  return SyncFolderOf(path, error);
}

bool SyncFolderOf(const std::string& path, std::string& error)
{
#ifdef Q_OS_WIN
  (void)path;
  (void)error;
  return true;
#else
  const std::string folder = QFileInfo(QString::fromStdString(path)).absolutePath().toStdString();
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) {
    error = path + ": the folder " + folder + " cannot be synced: " + std::strerror(errno);
    return false;
  }
  const bool synced = ::fsync(descriptor) == 0;
  const int syncError = errno;
  ::close(descriptor);
  if (!synced) {
    error = path + ": the folder " + folder + " cannot be synced: " + std::strerror(syncError);
    return false;
  }
  return true;
#endif
}

void RemoveStaleTemporaries(const std::string& path)
{
  const QFileInfo file(QString::fromStdString(path));
  const QString prefix = file.fileName() + ".";
  const QDir folder = file.absoluteDir();
  const QStringList candidates =
      folder.entryList({prefix + "??????"}, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
  for (const QString& name : candidates) {
    if (!IsTemporarySuffix(name.mid(prefix.size())))
      continue;
    const std::string candidate = folder.filePath(name).toStdString();
#ifndef Q_OS_WIN
    struct stat status;
    if (::lstat(candidate.c_str(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid())
      continue;
#endif
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::u8path(candidate), ignored);
  }
}

std::string ReasonOf(const QIODevice& file, int systemError)
{
  const std::string own = file.errorString().toStdString();
  if ((own.empty() || own == "Unknown error") && systemError != 0)
    return std::strerror(systemError);
  return own.empty() ? "Unknown error" : own;
}
