#include "tavo/outside/DocumentWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <xxhash.h>

#include <cstring>

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

bool SaveDocumentFile(const Document& document, std::string& error)
{
  const QString path = QString::fromStdString(document.path);
  const std::string bytes = SerializeDocument(document);
  const QDir folder = QFileInfo(path).absoluteDir();
  if (!folder.exists() && !QDir().mkpath(folder.absolutePath())) {
    error = document.path + ": the folder " + folder.absolutePath().toStdString() + " cannot be created";
    return false;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    error = document.path + ": " + file.errorString().toStdString();
    return false;
  }
  const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  if (written != static_cast<qint64>(bytes.size()) || !file.flush() || !file.commit()) {
    error = document.path + ": " + file.errorString().toStdString();
    file.cancelWriting();
    return false;
  }
  return true;
}
