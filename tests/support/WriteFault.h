#pragma once
// The ways a test makes writing fail: a file-size limit for this process, a disk that fills up
// at a chosen call for a child process, and a child process without the rights of root.

#include <QProcessEnvironment>

#include <csignal>
#include <cstdlib>

#include <grp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

// While it lives, no file of this process grows beyond `bytes` (root included): the write fails
// with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes)
  {
    getrlimit(RLIMIT_FSIZE, &m_old);
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit lowered{bytes, m_old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit()
  {
    setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit m_old{};
  void (*m_oldHandler)(int) = nullptr;
};

// The environment of a child process whose disk is full from its `call`-th write-like call on
// (the shim that ctest names in TAVO_DISK_FULL_SHIM).
inline QProcessEnvironment DiskFullAt(int call)
{
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  const char* shim = std::getenv("TAVO_DISK_FULL_SHIM");
  environment.insert("LD_PRELOAD", shim ? shim : "");
  environment.insert("TAVO_DISK_FULL_AT", QString::number(call));
  return environment;
}

constexpr uid_t kNobody = 65534;

// Run in a child process before it starts: root becomes nobody, so that file rights bind it.
inline void BecomeNobody()
{
  if (geteuid() == 0) {
    (void)setgroups(0, nullptr);
    (void)setgid(kNobody);
    (void)setuid(kNobody);
    // A process that changed its user may not be traced, which the leak checker of the sanitizer
    // build needs at exit.
    (void)prctl(PR_SET_DUMPABLE, 1);
  }
}
