#include "tavo/outside/DocumentBase.h"

#include "tavo/outside/DiskState.h"
#include "tavo/outside/DocumentStore.h"

#include <QFile>

#include <unordered_map>

namespace {

// By document id: ids are never reused, so a forgotten entry can never name another document.
std::unordered_map<QODOM_DOCUMENT, std::string>& Bases()
{
  static std::unordered_map<QODOM_DOCUMENT, std::string> bases;
  return bases;
}

}  // namespace

QODOM_ATTRIBUTES QODOM_GetAttributes(QODOM_ELEMENT element)
{
  QODOM_ATTRIBUTES attributes;
  for (const pugi::xml_attribute attribute : DocumentStore::Instance().Node(element).attributes())
    attributes.emplace_back(attribute.name(), attribute.value());
  return attributes;
}

bool QODOM_ReadFileBytes(const std::string& path, std::string& bytes, std::string& error)
{
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) {
    error = path + ": " + file.errorString().toStdString();
    return false;
  }
  const QByteArray content = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    error = path + ": " + file.errorString().toStdString();
    return false;
  }
  bytes.assign(content.constData(), static_cast<std::size_t>(content.size()));
  return true;
}

bool QODOM_RememberBase(QODOM_DOCUMENT id)
{
  Bases().erase(id);
  const Document* document = DocumentStore::Instance().FindDocument(id);
  if (!document)
    return false;
  std::string bytes, error;
  if (!document->onDisk.exists && !QFile::exists(QString::fromStdString(document->path))) {
    Bases()[id] = std::string();  // a new file: its ancestor is the empty document
    return true;
  }
  if (!QODOM_ReadFileBytes(document->path, bytes, error))
    return false;
  if (!DiskStateOf(document->path, bytes).SameContent(document->onDisk))
    return false;  // someone wrote the file after we read it: these bytes are theirs, not ours
  Bases()[id] = std::move(bytes);
  return true;
}

const std::string* QODOM_GetBase(QODOM_DOCUMENT document)
{
  const auto found = Bases().find(document);
  return found == Bases().end() ? nullptr : &found->second;
}

void QODOM_ForgetBase(QODOM_DOCUMENT document)
{
  Bases().erase(document);
}

bool QODOM_AdoptDiskBytes(QODOM_DOCUMENT id, const std::string& bytes)
{
  Document* document = DocumentStore::Instance().FindDocument(id);
  if (!document)
    return false;
  document->onDisk = DiskStateOf(document->path, bytes);
  if (const auto base = Bases().find(id); base != Bases().end())
    base->second = bytes;
  return true;
}
