#include "tavo/material/Protocol.h"

#include "tavo/material/TavoHandler.h"
#include "tavo/material/Vocabulary.h"
#include "tavo/outside/VBT.h"
#include "tavo/text/CodePage.h"

#include <QSaveFile>

#include <vector>

using namespace vocabulary;

namespace {

// The lists of every level, gathered before writing so that the total of objects is known.
struct CodeEntry {
  std::string name;
  std::vector<std::string> objects;
};
struct SubcategoryEntry {
  std::string name;
  std::vector<CodeEntry> codes;
};
struct CategoryEntry {
  std::string name;
  std::vector<SubcategoryEntry> subcategories;
};

std::vector<CategoryEntry> GatherLists(const CTavoHandler& handler, int& objectCount)
{
  std::vector<CategoryEntry> categories;
  std::vector<std::string> names;
  handler.ListKategorien(names);
  for (const std::string& kat : names) {
    CategoryEntry& category = categories.emplace_back(CategoryEntry{kat, {}});
    std::vector<std::string> ukats;
    handler.ListUnterkategorien(kat, ukats);
    for (const std::string& ukat : ukats) {
      SubcategoryEntry& subcategory = category.subcategories.emplace_back(SubcategoryEntry{ukat, {}});
      std::vector<std::string> norms;
      handler.ListNormen(kat, ukat, norms);
      for (const std::string& norm : norms) {
        CodeEntry& code = subcategory.codes.emplace_back(CodeEntry{norm, {}});
        handler.ListObjekte(kat, ukat, norm, code.objects);
        objectCount += static_cast<int>(code.objects.size());
      }
    }
  }
  return categories;
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
  explicit ProtocolWriter(QSaveFile& file) : m_file(file) {}

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

 private:
  void FlushWhenFull()
  {
    if (m_buffer.size() >= 1 << 16)
      Flush();
  }

  void Flush()
  {
    if (m_ok && !m_buffer.empty())
      m_ok =
          m_file.write(m_buffer.data(), static_cast<qint64>(m_buffer.size())) == static_cast<qint64>(m_buffer.size());
    m_buffer.clear();
  }

  QSaveFile& m_file;
  std::string m_buffer;
  bool m_ok = true;
};

std::string Failure(const std::string& path, const QSaveFile& file)
{
  return path + ": " + file.errorString().toStdString();
}

}  // namespace

bool ExportProtocol(CTavoHandler& handler, const std::string& path, std::string& error,
                    const ProtocolProgress& progress)
{
  int total = 0;
  const std::vector<CategoryEntry> categories = GatherLists(handler, total);

  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
    error = Failure(path, file);
    return false;
  }
  ProtocolWriter writer(file);
  const QODOM_ELEMENT standard = handler.StandardFile();
  int done = 0;
  for (const CategoryEntry& category : categories) {
    const QODOM_ELEMENT katElement = QODOM_FindFirstChildWithAttr(standard, kName, category.name.c_str());
    writer.Header(0, "Kategorie", Translate(category.name));
    writer.Properties(1, katElement);
    for (const SubcategoryEntry& subcategory : category.subcategories) {
      const QODOM_ELEMENT ukatElement = QODOM_FindFirstChildWithAttr(katElement, kName, subcategory.name.c_str());
      writer.Header(1, "Unterkategorie", Translate(subcategory.name));
      writer.Properties(2, ukatElement);
      for (const CodeEntry& code : subcategory.codes) {
        const std::string normalized = CTavoHandler::NormalizeNormName(code.name);
        writer.Header(2, "Norm", Translate(code.name));
        writer.Properties(3, QODOM_FindFirstChildWithAttr(ukatElement, kName, normalized.c_str()));
        for (const std::string& name : code.objects) {
          writer.Header(3, "Objekt", name);
          CTavoObj object;
          std::string objekt = name;
          handler.GetObj(object, category.name, subcategory.name, code.name, objekt);
          writer.Properties(4, object.objectElement);
          if (progress)
            progress(++done, total);
        }
      }
    }
  }
  if (!writer.Finish() || !file.commit()) {
    error = Failure(path, file);
    file.cancelWriting();
    return false;
  }
  return true;
}
