#pragma once
// Runs a program of the build and collects what it prints.

#include <QProcess>
#include <QStringList>

#include <string>
#include <vector>

struct ProcessResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments)
{
  QStringList list;
  for (const std::string& argument : arguments)
    list << QString::fromStdString(argument);
  QProcess process;
  process.start(QString::fromStdString(program), list);
  process.closeWriteChannel();
  process.waitForFinished(60000);
  ProcessResult result;
  result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  result.out = process.readAllStandardOutput().toStdString();
  result.err = process.readAllStandardError().toStdString();
  return result;
}
