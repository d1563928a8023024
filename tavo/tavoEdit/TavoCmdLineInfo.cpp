#include "tavo/tavoEdit/TavoCmdLineInfo.h"

#include <QString>

namespace {

bool EqualsIgnoringCase(const std::string& a, const char* b)
{
  return QString::fromStdString(a).compare(QString::fromUtf8(b), Qt::CaseInsensitive) == 0;
}

// The start value that a key names, or null.
std::string* TextFor(StartValues& values, const std::string& key)
{
  if (EqualsIgnoringCase(key, "kat"))
    return &values.kat;
  if (EqualsIgnoringCase(key, "ukat"))
    return &values.ukat;
  if (EqualsIgnoringCase(key, "norm"))
    return &values.norm;
  if (EqualsIgnoringCase(key, "objekt"))
    return &values.objekt;
  return nullptr;
}

}  // namespace

StartValues CTavoCmdLineInfo::Interpret() const
{
  StartValues values;
  for (std::string argument : m_arguments) {
    if (!argument.empty() && (argument[0] == '-' || argument[0] == '/'))
      argument.erase(0, 1);
    if (EqualsIgnoringCase(argument, "qormode"))
      values.qorMode = true;
    if (EqualsIgnoringCase(argument, "Trestle64")) {
      values.trestle64 = true;
      continue;
    }
    const auto equals = argument.find('=');
    if (equals == std::string::npos)
      continue;
    if (std::string* text = TextFor(values, argument.substr(0, equals)))
      *text = argument.substr(equals + 1);
  }
  return values;
}
