#include "tavo/outside/DocumentWriter.h"

#include "tavo/outside/AtomicFile.h"
#include "tavo/outside/DocumentReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <xxhash.h>

#include <cstring>
#include <set>

namespace {

constexpr unsigned kWriteOptions = pugi::format_raw | pugi::format_no_declaration;

class StringWriter : public pugi::xml_writer {
 public:
  explicit StringWriter(std::string& target) : m_target(target) {}
  void write(const void* data, size_t size) override { m_target.append(static_cast<const char*>(data), size); }

 private:
  std::string& m_target;
};

class HashWriter : public pugi::xml_writer {
 public:
  HashWriter() : m_state(XXH3_createState()) { XXH3_128bits_reset(m_state); }
  ~HashWriter() override { XXH3_freeState(m_state); }
  HashWriter(const HashWriter&) = delete;
  HashWriter& operator=(const HashWriter&) = delete;

  void write(const void* data, size_t size) override { XXH3_128bits_update(m_state, data, size); }
  XXH128_hash_t Digest() const { return XXH3_128bits_digest(m_state); }

 private:
  XXH3_state_t* m_state;
};

// The document node's children are written one by one: the tree keeps no white space between
// them, and a line break there is what the files hold.
void WriteDocument(const Document& document, pugi::xml_writer& writer)
{
  if (document.writeBom)
    writer.write("\xEF\xBB\xBF", 3);
  bool first = true;
  for (pugi::xml_node node : document.xml.children()) {
    if (!first)
      writer.write("\n", 1);
    node.print(writer, "", kWriteOptions, pugi::encoding_utf8);
    first = false;
  }
  if (document.finalNewline)
    writer.write("\n", 1);
}

// The files whose backup this process has written: the backup keeps the file as it was before the
// first save of the run, not the run's own earlier saves.
std::set<std::string>& BackedUpFiles()
{
  static std::set<std::string> files;
  return files;
}

bool BackUpOnce(const std::string& path, std::string& error)
{
  const QString name = QString::fromStdString(path);
  const std::string key = QFileInfo(name).absoluteFilePath().toStdString();
  if (BackedUpFiles().count(key) || !QFileInfo::exists(name))
    return true;
  QFile original(name);
  if (!original.open(QIODevice::ReadOnly)) {
    error = path + ": cannot be read for its backup: " + original.errorString().toStdString();
    return false;
  }
  const QByteArray bytes = original.readAll();
  if (original.error() != QFileDevice::NoError) {
    error = path + ": cannot be read for its backup: " + original.errorString().toStdString();
    return false;
  }
  std::string reason;
  if (!WriteFileAtomically(BackupPathOf(path),
                           std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), reason)) {
    error = path + ": the backup could not be written, so the file is left as it is: " + reason;
    return false;
  }
  BackedUpFiles().insert(key);
  return true;
}

}  // namespace

std::string SerializeDocument(const Document& document)
{
  std::string bytes;
  StringWriter writer(bytes);
  WriteDocument(document, writer);
  return bytes;
}

CFingerPrint FingerprintDocument(const Document& document)
{
  HashWriter writer;
  WriteDocument(document, writer);
  const XXH128_hash_t digest = writer.Digest();
  CFingerPrint fingerprint;
  std::memcpy(fingerprint.bytes.data(), &digest.low64, 8);
  std::memcpy(fingerprint.bytes.data() + 8, &digest.high64, 8);
  return fingerprint;
}

bool SerializeVerified(const Document& document, std::string& bytes, std::string& error)
{
  bytes = SerializeDocument(document);
  std::string reason;
  const auto reread = ParseDocument(bytes, document.path, reason);
  if (!reread) {
    error = document.path + ": the document would not read back, so it is not written (" + reason + ")";
    return false;
  }
  if (SerializeDocument(*reread) != bytes) {
    error = document.path + ": the document would not read back unchanged, so it is not written";
    return false;
  }
  return true;
}

std::string BackupPathOf(const std::string& path)
{
  return path + ".bak";
}

bool SaveDocumentFile(Document& document, std::string& error)
{
  std::string bytes;
  if (!SerializeVerified(document, bytes, error))
    return false;
  const QDir folder = QFileInfo(QString::fromStdString(document.path)).absoluteDir();
  if (!folder.exists() && !QDir().mkpath(folder.absolutePath())) {
    error = document.path + ": the folder " + folder.absolutePath().toStdString() + " cannot be created";
    return false;
  }
  if (!BackUpOnce(document.path, error))
    return false;
  if (!WriteFileAtomically(document.path, bytes, error))
    return false;
  document.onDisk = DiskStateOf(document.path, bytes);
  return true;
}
