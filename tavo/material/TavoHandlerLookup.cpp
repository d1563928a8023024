// The handler's object lookup: GetObj with its one-object cache, and the steel-name mapping.

#include "tavo/material/TavoHandler.h"

#include "tavo/material/Vocabulary.h"

using namespace vocabulary;

namespace {

struct SteelName {
  const char* old;
  const char* current;
};

constexpr SteelName kSteelNames[] = {
    {"BSt 500 SA", "B500A"},
    {"BSt 500 MA", "B500A"},
    {"BSt 500 SB", "B500B"},
    {"BSt 500 MB", "B500B"},
};

}  // namespace

// --- public operations ---

void CTavoHandler::MapSteelName(const std::string& kat, const std::string& ukat, const std::string& norm,
                                std::string& objekt)
{
  if (kat != "Stahl" || ukat != "Betonstahl" || (norm != "EC2" && norm != "EC2 NA (DE)"))
    return;
  for (const SteelName& name : kSteelNames)
    if (objekt == name.old) {
      objekt = name.current;
      return;
    }
}

void CTavoHandler::GetObj(CTavoObj& out, const std::string& kat, const std::string& ukat, const std::string& norm,
                          std::string& objekt)
{
  MapSteelName(kat, ukat, norm, objekt);
  const std::string key = kat + "\\" + ukat + "\\" + norm + "\\" + objekt;
  if (!m_objectKey.empty() && key == m_objectKey) {
    out = m_currentObj;
    return;
  }

  bool inUser = false;
  const QODOM_ELEMENT found = FindObjectElement(kat, ukat, norm, objekt, inUser);
  m_currentObj = CTavoObj(found, inUser);
  m_objectKey = key;
  out = m_currentObj;
}

QODOM_ELEMENT CTavoHandler::FindObjectElement(const std::string& kat, const std::string& ukat, const std::string& norm,
                                              const std::string& objekt, bool& inUser) const
{
  // Standard file first; the first file that yields the object ends the search. Within a file the
  // last matching code decides, also when it lacks the object that an earlier one holds. The
  // user-file flag follows the file in which a matching code was seen last, so that an object not
  // found still tells where its code is.
  QODOM_ELEMENT found = 0;
  inUser = false;
  const std::vector<QODOM_ELEMENT> files = SearchedFiles();
  for (std::size_t index = 0; index < files.size() && !found; ++index) {
    for (QODOM_ELEMENT code : FindLevelElements(files[index], {kat, ukat, NormalizeNormName(norm)})) {
      inUser = files[index] == UserFile();
      found = QODOM_FindFirstChildWithAttr(code, kName, objekt.c_str());
    }
  }
  return found;
}

std::vector<CTavoHandler::ObjectFile> CTavoHandler::LocateObjects(const std::string& kat, const std::string& ukat,
                                                                  const std::string& norm,
                                                                  const std::vector<std::string>& objects) const
{
  // As FindObjectElement: the last matching code of a file decides for that file, and the first
  // file whose code holds the object ends its search.
  std::vector<ObjectFile> located(objects.size(), ObjectFile::kNone);
  for (QODOM_ELEMENT file : SearchedFiles()) {
    const std::vector<QODOM_ELEMENT> codes = FindLevelElements(file, {kat, ukat, NormalizeNormName(norm)});
    if (codes.empty())
      continue;
    const ObjectFile here = file == UserFile() ? ObjectFile::kUser : ObjectFile::kStandard;
    for (std::size_t index = 0; index < objects.size(); ++index)
      if (located[index] == ObjectFile::kNone &&
          QODOM_FindFirstChildWithAttr(codes.back(), kName, objects[index].c_str()))
        located[index] = here;
  }
  return located;
}

void CTavoHandler::ForgetCurrentObject()
{
  m_objectKey.clear();
}
