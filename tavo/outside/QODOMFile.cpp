// The file side of the document library: opening, parsing, saving and closing documents, and what
// they know of their files.

#include "tavo/outside/QODOMFile.h"

#include "tavo/outside/DiskState.h"
#include "tavo/outside/DocumentReader.h"
#include "tavo/outside/DocumentStore.h"
#include "tavo/outside/DocumentWriter.h"

#include <algorithm>
#include <optional>

namespace {

DocumentStore& Store()
{
  return DocumentStore::Instance();
}

// An empty document: the declaration and a root element with that tag.
std::unique_ptr<Document> NewDocument(const std::string& path, const char* rootTag)
{
  auto document = std::make_unique<Document>();
  document->path = path;
  pugi::xml_node declaration = document->xml.append_child(pugi::node_declaration);
  declaration.append_attribute("version").set_value("1.0");
  declaration.append_attribute("encoding").set_value("UTF-8");
  pugi::xml_node root = document->xml.append_child(rootTag);
  root.append_child(pugi::node_pcdata).set_value("\n");
  return document;
}

// Reads what is left of the file to its end and parses it.
QODOM_ELEMENT ReadAllAndParse(QFile& file, const std::string& path, std::string& error)
{
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    error = path + ": " + file.errorString().toStdString();
    return 0;
  }
  const std::string_view content(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  auto document = ParseDocument(content, path, error);
  if (!document)
    return 0;
  document->onDisk = DiskStateOf(path, content);
  return Store().Add(std::move(document));
}

std::string g_lastSaveError;

}  // namespace

QODOM_ELEMENT QODOM_OpenDoc(const std::string& path, const char* emptyRootTag, std::string& error)
{
  QFile file(QString::fromStdString(path));
  if (!file.exists()) {
    if (emptyRootTag)
      return Store().Add(NewDocument(path, emptyRootTag));
    error = path + ": the file does not exist";
    return 0;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    error = path + ": " + file.errorString().toStdString();
    return 0;
  }
  return ReadDocumentFile(file, static_cast<std::size_t>(file.size()), path, error);
}

QODOM_ELEMENT ReadDocumentFile(QFile& file, std::size_t size, const std::string& path, std::string& error)
{
  if (file.isSequential())
    return ReadAllAndParse(file, path, error);
  // Read into a buffer that the parser can keep: a large file is then held once, not twice.
  char* buffer = static_cast<char*>(pugi::get_memory_allocation_function()(size + 1));
  if (!buffer) {
    error = path + ": not enough memory to read the file";
    return 0;
  }
  const qint64 read = file.read(buffer, static_cast<qint64>(size));
  if (read != static_cast<qint64>(size) || file.error() != QFileDevice::NoError || !file.atEnd()) {
    // The file changed its size while it was read: read it again as a whole.
    pugi::get_memory_deallocation_function()(buffer);
    if (!file.seek(0)) {
      error = path + ": " + file.errorString().toStdString();
      return 0;
    }
    return ReadAllAndParse(file, path, error);
  }
  buffer[size] = '\0';
  const std::string_view content(buffer, size);
  const DiskState onDisk = DiskStateOf(path, content);  // before the parse changes the bytes
  auto document = ParseDocumentBuffer(buffer, size, path, error);
  if (!document)
    return 0;
  document->onDisk = onDisk;
  return Store().Add(std::move(document));
}

QODOM_ELEMENT QODOM_ParseDoc(std::string_view bytes, const std::string& path, std::string& error)
{
  auto document = ParseDocument(bytes, path, error);
  return document ? Store().Add(std::move(document)) : 0;
}

void QODOM_CloseDoc(QODOM_ELEMENT element)
{
  Store().Remove(QODOM_GetDocument(element));
}

bool QODOM_SaveDoc(QODOM_DOCUMENT id)
{
  Document* document = Store().FindDocument(id);
  if (!document) {
    g_lastSaveError = "the document is not open";
    return false;
  }
  g_lastSaveError.clear();
  return SaveDocumentFile(*document, g_lastSaveError);
}

bool QODOM_ChangedOnDisk(QODOM_DOCUMENT id)
{
  const Document* document = Store().FindDocument(id);
  if (!document)
    return false;
  const std::optional<DiskState> now = ReadDiskState(document->path);
  return !now || !now->SameContent(document->onDisk);
}

const std::string& QODOM_LastSaveError()
{
  return g_lastSaveError;
}

CFingerPrint QODOM_GetFingerPrint(QODOM_ELEMENT root)
{
  const Document* document = Store().DocumentOf(root);
  return document ? FingerprintDocument(*document) : CFingerPrint{};
}

std::string QODOM_SerializeDoc(QODOM_DOCUMENT id)
{
  const Document* document = Store().FindDocument(id);
  return document ? SerializeDocument(*document) : std::string();
}

std::string QODOM_GetPath(QODOM_DOCUMENT id)
{
  const Document* document = Store().FindDocument(id);
  return document ? document->path : std::string();
}

int QODOM_GetLine(QODOM_ELEMENT element)
{
  const Document* document = Store().DocumentOf(element);
  const pugi::xml_node node = Store().Node(element);
  if (!document || !node || document->lineStarts.empty())
    return 0;
  const std::ptrdiff_t offset = node.offset_debug();
  if (offset < 0)
    return 0;
  const auto& starts = document->lineStarts;
  return static_cast<int>(std::upper_bound(starts.begin(), starts.end(), static_cast<std::size_t>(offset)) -
                          starts.begin());
}
