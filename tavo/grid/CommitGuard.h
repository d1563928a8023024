#pragma once

// Holds a flag set for the lifetime of a scope: the marker that a commit is running, so that a
// commit started from inside it can see that and do nothing.
class CCommitGuard {
 public:
  explicit CCommitGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~CCommitGuard() { flag_ = false; }
  CCommitGuard(const CCommitGuard&) = delete;
  CCommitGuard& operator=(const CCommitGuard&) = delete;

 private:
  bool& flag_;
};
