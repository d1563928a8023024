#pragma once

// Holds a flag set for the lifetime of a scope: the marker that a commit is running, so that a
// commit started from inside it can see that and do nothing.
class CCommitGuard {
 public:
  explicit CCommitGuard(bool& flag) : m_flag(flag) { m_flag = true; }
  ~CCommitGuard() { m_flag = false; }
  CCommitGuard(const CCommitGuard&) = delete;
  CCommitGuard& operator=(const CCommitGuard&) = delete;

 private:
  bool& m_flag;
};
