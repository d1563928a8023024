#include "tavo/outside/AtomicFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error)
{
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) {
    error = path + ": cannot be written: " + file.errorString().toStdString();
    return false;
  }
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size) {
    error = path + ": writing failed: " + file.errorString().toStdString();
    file.cancelWriting();
    return false;
  }
  if (!file.flush()) {
    error = path + ": writing failed: " + file.errorString().toStdString();
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    error = path + ": the new content could not replace the file: " + file.errorString().toStdString();
    return false;
  }
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
