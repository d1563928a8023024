#include "tavo/outside/DocumentSave.h"

#include "tavo/outside/AtomicFile.h"
#include "tavo/outside/DiskState.h"
#include "tavo/outside/DocumentReader.h"
#include "tavo/outside/DocumentWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <set>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

// Long enough for another process to save the largest files.
constexpr int kLockWaitMs = 30000;

std::function<void(const std::string&)>& BeforeReplaceHook()
{
  static std::function<void(const std::string&)> hook;
  return hook;
}

// The files whose backup this process has written: the backup keeps the file as it was before the
// first save of the run, not the run's own earlier saves.
std::set<std::string>& BackedUpFiles()
{
  static std::set<std::string> files;
  return files;
}

// What the file held at one moment, read once.
struct Snapshot {
  std::string bytes;
  DiskState state;  // `exists` false for a missing file
  FileOwnership ownership;
};

bool ReadSnapshot(const std::string& path, Snapshot& snapshot, std::string& error)
{
  QFile file(QString::fromStdString(path));
  if (!file.exists())
    return true;
  // A FIFO or a device in the file's place would block the read or never end it.
  if (!QFileInfo(file).isFile()) {
    error = path + ": is not a regular file";
    return false;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    error = path + ": cannot be read: " + ReasonOf(file, errno);
    return false;
  }
#ifndef Q_OS_WIN
  struct stat status;
  if (::fstat(file.handle(), &status) == 0)
    snapshot.ownership = {static_cast<std::uint32_t>(status.st_mode & 07777), status.st_uid, status.st_gid};
#endif
  // Read where it is kept: a large file is then held once.
  snapshot.bytes.resize(static_cast<std::size_t>(file.size()));
  const qint64 read = file.read(snapshot.bytes.data(), static_cast<qint64>(snapshot.bytes.size()));
  if (read >= 0)
    snapshot.bytes.resize(static_cast<std::size_t>(read));            // it shrank since its size was taken
  const QByteArray rest = read >= 0 ? file.readAll() : QByteArray();  // or grew
  if (read < 0 || file.error() != QFileDevice::NoError) {
    error = path + ": cannot be read: " + ReasonOf(file, errno);
    return false;
  }
  snapshot.bytes.append(rest.constData(), static_cast<std::size_t>(rest.size()));
  snapshot.state = DiskStateOf(path, snapshot.bytes);
  return true;
}

// The file that a save replaces: links followed, as QSaveFile follows them.
std::string ResolvedPath(const std::string& path)
{
  QFileInfo info(QString::fromStdString(path));
  for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
    info.setFile(info.symLinkTarget());
  return info.filePath().toStdString();
}

std::string LockFailure(const std::string& path, const QLockFile& lock, int systemError)
{
  switch (lock.error()) {
    case QLockFile::LockFailedError: return path + ": another program is saving it; try again later";
    case QLockFile::PermissionError: return path + ": cannot be written: " + std::strerror(EACCES);
    default:
      return path + ": cannot be locked for saving: " + (systemError ? std::strerror(systemError) : "Unknown error");
  }
}

bool BackUpOnce(const std::string& path, const Snapshot& original, std::string& error)
{
  const std::string key = QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
  if (BackedUpFiles().count(key) || !original.state.exists)
    return true;
  std::string reason;
  if (!ReplaceWithNewFile(BackupPathOf(path), original.bytes, original.ownership, reason)) {
    error = path + ": the backup could not be written, so the file is left as it is: " + reason;
    return false;
  }
  BackedUpFiles().insert(key);
  return true;
}

}  // namespace

bool SaveDocumentFile(Document& document, SaveCheck check, std::string& error, bool& changedOnDisk)
{
  changedOnDisk = false;
  const std::string& path = document.path;
  const QDir folder = QFileInfo(QString::fromStdString(path)).absoluteDir();
  if (!folder.exists() && !QDir().mkpath(folder.absolutePath())) {
    error = path + ": the folder " + folder.absolutePath().toStdString() + " cannot be created";
    return false;
  }
  const std::string target = ResolvedPath(path);
  QLockFile lock(QString::fromStdString(target + ".lock"));
  errno = 0;
  if (!lock.tryLock(kLockWaitMs)) {
    error = LockFailure(path, lock, errno);
    return false;
  }
  RemoveStaleTemporaries(target);
  RemoveStaleTemporaries(BackupPathOf(path));

  Snapshot now;
  if (!ReadSnapshot(target, now, error))
    return false;
  if (check == SaveCheck::Unchanged && !now.state.SameContent(document.onDisk)) {
    changedOnDisk = true;
    error = path + ": changed on disk since it was read; not overwritten";
    return false;
  }
  if (!document.original && document.originalOnDisk && now.state.exists && now.state.SameContent(document.onDisk))
    document.original = ParsedTextOf(now.bytes);
  std::string bytes;
  if (!SerializeVerified(document, bytes, error))
    return false;
  if (!BackUpOnce(path, now, error))
    return false;

  ReplaceOptions options;
  if (now.state.exists)
    options.ownership = now.ownership;
  options.beforeReplace = [&](std::string& failure) {
    if (BeforeReplaceHook())
      BeforeReplaceHook()(target);
    const std::optional<DiskState> current = ReadDiskState(target);
    if (current && current->SameContent(now.state))
      return true;
    changedOnDisk = true;
    failure = path + ": changed on disk while it was being saved; not overwritten";
    return false;
  };
  if (!WriteFileAtomically(target, bytes, error, options))
    return false;
  document.onDisk = DiskStateOf(target, bytes);
  document.originalOnDisk = false;
  return true;
}

std::string BackupPathOf(const std::string& path)
{
  return path + ".bak";
}

void LoadOriginalText(Document& document)
{
  if (document.original || !document.originalOnDisk)
    return;
  Snapshot now;
  std::string ignored;
  if (ReadSnapshot(ResolvedPath(document.path), now, ignored) && now.state.exists &&
      now.state.SameContent(document.onDisk))
    document.original = ParsedTextOf(now.bytes);
}

void SetBeforeReplaceHook(std::function<void(const std::string& path)> hook)
{
  BeforeReplaceHook() = std::move(hook);
}
