#include "tavo/material/Protocol.h"

#include "tavo/material/DatabaseWalk.h"
#include "tavo/material/TavoHandler.h"
#include "tavo/material/Vocabulary.h"
#include "tavo/outside/AtomicFile.h"
#include "tavo/outside/VBT.h"
#include "tavo/text/CodePage.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>

#include <vector>

using namespace vocabulary;

namespace {

// An entry of a list: its level (0 Kategorie ... 3 Objekt) and name, in walk order. The whole
// outline is gathered before writing so that the total of objects is known.
struct OutlineEntry {
  int level;
  std::string name;
};

std::vector<OutlineEntry> GatherOutline(const CTavoHandler& handler, int& objectCount)
{
  std::vector<OutlineEntry> outline;
  WalkListedDatabase(handler, [&](const std::vector<std::string>& names) {
    const int level = static_cast<int>(names.size()) - 1;
    outline.push_back({level, names.back()});
    if (level == kLevelCount - 1)
      ++objectCount;
    return true;
  });
  return outline;
}

std::string Translate(const std::string& text)
{
  return VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", text);
}

// Blanks after the text up to the width; a longer text is not cut.
void AppendPadded(std::string& line, const std::string& text, std::size_t width, bool alignRight)
{
  const std::size_t blanks = text.size() < width ? width - text.size() : 0;
  if (alignRight)
    line.append(blanks, ' ');
  line += text;
  if (!alignRight)
    line.append(blanks, ' ');
}

// Collects the text and hands it to the file in large pieces; remembers the first failure.
class ProtocolWriter {
 public:
  explicit ProtocolWriter(QIODevice& file) : m_file(file) {}

  // A header: an empty line, the indent, the label and the translated or plain name.
  void Header(int indent, const char* label, const std::string& name)
  {
    m_buffer += '\n';
    m_buffer.append(indent, '\t');
    m_buffer += label;
    m_buffer += ": ";
    m_buffer += Utf8ToCp1252(name);
    m_buffer += '\n';
    FlushWhenFull();
  }

  // "%s%-15s\t[%10s]\t= %-15s\t%s\n" for every property element directly below the element.
  void Properties(int indent, QODOM_ELEMENT element)
  {
    for (QODOM_ELEMENT property = QODOM_FindFirstChild(element, kEigenschaft); property;
         property = QODOM_FindNextChild(property, kEigenschaft)) {
      m_buffer.append(indent, '\t');
      AppendPadded(m_buffer, Utf8ToCp1252(QODOM_GetString(property, kKurzname)), 15, false);
      m_buffer += "\t[";
      AppendPadded(m_buffer, Utf8ToCp1252(QODOM_GetString(property, kEinheit)), 10, true);
      m_buffer += "]\t= ";
      AppendPadded(m_buffer, Utf8ToCp1252(QODOM_GetString(property, kWert01)), 15, false);
      m_buffer += '\t';
      m_buffer += Utf8ToCp1252(Translate(QODOM_GetString(property, kName)));
      m_buffer += '\n';
    }
    FlushWhenFull();
  }

  bool Finish()
  {
    Flush();
    return m_ok;
  }
  // The system's error of the write that failed.
  int SystemError() const { return m_systemError; }

 private:
  void FlushWhenFull()
  {
    if (m_buffer.size() >= 1 << 16)
      Flush();
  }

  void Flush()
  {
    if (m_ok && !m_buffer.empty()) {
      errno = 0;
      m_ok =
          m_file.write(m_buffer.data(), static_cast<qint64>(m_buffer.size())) == static_cast<qint64>(m_buffer.size());
      m_systemError = errno;
    }
    m_buffer.clear();
  }

  QIODevice& m_file;
  std::string m_buffer;
  bool m_ok = true;
  int m_systemError = 0;
};

// The path and the reason: the device's own, or the system's where Qt has none.
std::string Failure(const std::string& path, const QIODevice& file, int systemError)
{
  return path + ": " + ReasonOf(file, systemError);
}

// The listing of every level into `file`; false when a write failed, with the system's error.
bool WriteProtocol(CTavoHandler& handler, QIODevice& file, const ProtocolProgress& progress, int& systemError)
{
  int total = 0;
  const std::vector<OutlineEntry> outline = GatherOutline(handler, total);
  ProtocolWriter writer(file);
  // The names and the standard file's elements from the root down to the current entry; the
  // properties of the levels come from the standard file, those of an object from its lookup.
  std::string names[kLevelCount];
  QODOM_ELEMENT elements[kLevelCount] = {handler.StandardFile()};
  int done = 0;
  for (const auto& [level, name] : outline) {
    names[level] = name;
    if (level == kLevelCount - 1) {
      writer.Header(level, kObjekt, name);
      CTavoObj object;
      std::string objekt = name;
      handler.GetObj(object, names[0], names[1], names[2], objekt);
      writer.Properties(level + 1, object.objectElement);
      if (progress)
        progress(++done, total);
      continue;
    }
    const std::string searched = level == 2 ? CTavoHandler::NormalizeNormName(name) : name;
    elements[level + 1] = QODOM_FindFirstChildWithAttr(elements[level], kName, searched.c_str());
    writer.Header(level, kLevelElements[level], Translate(name));
    writer.Properties(level + 1, elements[level + 1]);
  }
  const bool written = writer.Finish();
  systemError = writer.SystemError();
  return written;
}

}  // namespace

bool ExportProtocol(CTavoHandler& handler, const std::string& path, std::string& error,
                    const ProtocolProgress& progress)
{
  int systemError = 0;
  if (path == "-") {
    QFile out;
    const bool written = out.open(stdout, QIODevice::WriteOnly | QIODevice::Text) &&
                         WriteProtocol(handler, out, progress, systemError) && out.flush();
    if (!written)
      error = Failure("standard output", out, systemError ? systemError : errno);
    return written;
  }
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
    error = Failure(path, file, errno);
    return false;
  }
  if (!WriteProtocol(handler, file, progress, systemError)) {
    error = Failure(path, file, systemError);
    file.cancelWriting();
    return false;
  }
  errno = 0;
  if (!file.commit()) {
    error = Failure(path, file, errno);
    return false;
  }
  return true;
}
