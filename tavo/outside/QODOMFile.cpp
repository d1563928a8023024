// The file side of the document library: opening, parsing, saving and closing documents, and what
// they know of their files.

#include "tavo/outside/QODOMFile.h"

#include "tavo/outside/DiskState.h"
#include "tavo/outside/DocumentReader.h"
#include "tavo/outside/DocumentSave.h"
#include "tavo/outside/DocumentStore.h"
#include "tavo/outside/DocumentWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
  document->originalOnDisk = true;
  return Store().Add(std::move(document));
}

// What a file that is no regular file is, for the message that refuses it.
const char* KindOfFile(mode_t mode)
{
  if (S_ISDIR(mode))
    return "a folder";
  if (S_ISFIFO(mode))
    return "a named pipe";
  if (S_ISSOCK(mode))
    return "a socket";
  if (S_ISCHR(mode) || S_ISBLK(mode))
    return "a device";
  return "no regular file";
}

// Opens a regular file for reading. A named pipe or a device could block the open or the read,
// or never end: such files are refused. The open does not wait, and what was opened is judged,
// so nothing can be swapped in between a look at the path and the read. -1 with `error` set on
// failure; errno stays ENOENT when the file does not exist.
int OpenRegularFile(const std::string& path, struct stat& status, std::string& error)
{
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    const int reason = errno;
    error = path + ": " + (reason == ENOENT ? "the file does not exist" : std::strerror(reason));
    errno = reason;
    return -1;
  }
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    error = path + ": " + KindOfFile(status.st_mode) + ", not a regular file: only regular files are read";
    ::close(fd);
    errno = EINVAL;
    return -1;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

std::string g_lastSaveError;
bool g_lastSaveFoundChange = false;

bool Save(QODOM_DOCUMENT id, SaveCheck check)
{
  g_lastSaveError.clear();
  g_lastSaveFoundChange = false;
  Document* document = Store().FindDocument(id);
  if (!document) {
    g_lastSaveError = "the document is not open";
    return false;
  }
  if (!SaveDocumentFile(*document, check, g_lastSaveError, g_lastSaveFoundChange))
    return false;
  // Undoing back to this state is undoing every unsaved change.
  document->journal.MarkSaved();
  return true;
}

}  // namespace

QODOM_ELEMENT QODOM_OpenDoc(const std::string& path, const char* emptyRootTag, std::string& error)
{
  struct stat status {};
  const int fd = OpenRegularFile(path, status, error);
  if (fd < 0 && errno == ENOENT && emptyRootTag) {
    error.clear();
    return Store().Add(NewDocument(path, emptyRootTag));
  }
  if (fd < 0)
    return 0;
  QFile file;
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    error = path + ": " + file.errorString().toStdString();
    return 0;
  }
  // A file too large for the memory left is refused like any other that cannot be read.
  try {
    return ReadDocumentFile(file, static_cast<std::size_t>(status.st_size), path, error);
  } catch (const std::bad_alloc&) {
    error = path + ": not enough memory to read the file";
    return 0;
  }
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
  document->originalOnDisk = true;
  return Store().Add(std::move(document));
}

QODOM_ELEMENT QODOM_ParseDoc(std::string_view bytes, const std::string& path, std::string& error)
{
  auto document = ParseDocument(bytes, path, error);
  if (!document)
    return 0;
  document->original = ParsedTextOf(bytes);
  return Store().Add(std::move(document));
}

void QODOM_CloseDoc(QODOM_ELEMENT element)
{
  Store().Remove(QODOM_GetDocument(element));
}

bool QODOM_SaveDoc(QODOM_DOCUMENT id)
{
  return Save(id, SaveCheck::Unchanged);
}

bool QODOM_SaveDocOverwriting(QODOM_DOCUMENT id)
{
  return Save(id, SaveCheck::Overwrite);
}

bool QODOM_LastSaveFoundChange()
{
  return g_lastSaveFoundChange;
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
  Document* document = Store().FindDocument(id);
  if (!document)
    return {};
  LoadOriginalText(*document);
  return SerializeDocument(*document);
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
