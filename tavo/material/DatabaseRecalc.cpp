#include "tavo/material/DatabaseRecalc.h"

#include "tavo/material/TavoObj.h"
#include "tavo/material/Vocabulary.h"

using namespace vocabulary;

namespace {

// Every Objekt element of the file, in document order.
std::vector<QODOM_ELEMENT> Objects(QODOM_ELEMENT root)
{
  std::vector<QODOM_ELEMENT> found;
  for (QODOM_ELEMENT kat = QODOM_FindFirstChild(root, kKategorie); kat; kat = QODOM_FindNextChild(kat, kKategorie))
    for (QODOM_ELEMENT ukat = QODOM_FindFirstChild(kat, kUnterkategorie); ukat;
         ukat = QODOM_FindNextChild(ukat, kUnterkategorie))
      for (QODOM_ELEMENT norm = QODOM_FindFirstChild(ukat, kNorm); norm; norm = QODOM_FindNextChild(norm, kNorm))
        for (QODOM_ELEMENT object = QODOM_FindFirstChild(norm, kObjekt); object;
             object = QODOM_FindNextChild(object, kObjekt))
          found.push_back(object);
  return found;
}

}  // namespace

DatabaseRecalcResult RecalculateDatabase(CTavoHandler& handler, bool save)
{
  DatabaseRecalcResult result;
  for (QODOM_ELEMENT file : handler.SearchedFiles()) {
    const CFingerPrint before = QODOM_GetFingerPrint(file);
    for (QODOM_ELEMENT element : Objects(file)) {
      ++result.objects;
      const CTavoObj object(element, file == handler.UserFile());  // recalculates
      if (object.wroteBack)
        ++result.changed;
    }
    if (!save || QODOM_GetFingerPrint(file) == before)
      continue;
    std::string error;
    if (handler.SaveUnlessChangedOnDisk(file, nullptr, error) != CTavoHandler::SaveOutcome::kSaved)
      result.errors.push_back(error);
  }
  return result;
}
