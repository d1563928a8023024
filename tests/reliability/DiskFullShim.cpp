// Preloaded into a process to fill its disk at a chosen moment: from the N-th write-like call on
// regular files (TAVO_DISK_FULL_AT=N; write, pwrite, fsync, fdatasync, rename, link) every such
// call fails with ENOSPC; the N-th write itself gets half its bytes onto the disk first, as a
// filling disk does. Without the variable nothing fails.

#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

long g_calls = 0;

long FullAt()
{
  static const long at = [] {
    const char* text = getenv("TAVO_DISK_FULL_AT");
    return text ? atol(text) : 0L;
  }();
  return at;
}

template <typename Function>
Function Next(const char* name)
{
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

bool IsRegularFile(int fd)
{
  struct stat status;
  return fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

// Counts the call; true when the disk is full by now.
bool Full()
{
  ++g_calls;
  return FullAt() > 0 && g_calls >= FullAt();
}

}  // namespace

extern "C" {

ssize_t write(int fd, const void* data, size_t count)
{
  static const auto real = Next<ssize_t (*)(int, const void*, size_t)>("write");
  if (!IsRegularFile(fd) || !Full())
    return real(fd, data, count);
  if (g_calls == FullAt() && count > 1)
    return real(fd, data, count / 2);
  errno = ENOSPC;
  return -1;
}

ssize_t pwrite(int fd, const void* data, size_t count, off_t offset)
{
  static const auto real = Next<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite");
  if (!IsRegularFile(fd) || !Full())
    return real(fd, data, count, offset);
  errno = ENOSPC;
  return -1;
}

int fsync(int fd)
{
  static const auto real = Next<int (*)(int)>("fsync");
  if (!Full())
    return real(fd);
  errno = ENOSPC;
  return -1;
}

int fdatasync(int fd)
{
  static const auto real = Next<int (*)(int)>("fdatasync");
  if (!Full())
    return real(fd);
  errno = ENOSPC;
  return -1;
}

int rename(const char* from, const char* to)
{
  static const auto real = Next<int (*)(const char*, const char*)>("rename");
  if (!Full())
    return real(from, to);
  errno = ENOSPC;
  return -1;
}

int renameat(int fromFolder, const char* from, int toFolder, const char* to)
{
  static const auto real = Next<int (*)(int, const char*, int, const char*)>("renameat");
  if (!Full())
    return real(fromFolder, from, toFolder, to);
  errno = ENOSPC;
  return -1;
}

int renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags)
{
  static const auto real = Next<int (*)(int, const char*, int, const char*, unsigned)>("renameat2");
  if (!Full())
    return real(fromFolder, from, toFolder, to, flags);
  errno = ENOSPC;
  return -1;
}

int linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags)
{
  static const auto real = Next<int (*)(int, const char*, int, const char*, int)>("linkat");
  if (!Full())
    return real(fromFolder, from, toFolder, to, flags);
  errno = ENOSPC;
  return -1;
}

}  // extern "C"
