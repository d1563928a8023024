#include "tavo/material/DatabaseRecalc.h"

#include "tavo/material/DatabaseWalk.h"
#include "tavo/material/TavoObj.h"
#include "tavo/material/Vocabulary.h"
#include "tavo/outside/QODOMJournal.h"

using namespace vocabulary;

DatabaseRecalcResult RecalculateDatabase(CTavoHandler& handler, bool save)
{
  DatabaseRecalcResult result;
  for (QODOM_ELEMENT file : handler.SearchedFiles()) {
    const CFingerPrint before = QODOM_GetFingerPrint(file);
    const DocumentJournal* journal = QODOM_GetJournal(QODOM_GetDocument(file));
    const std::size_t recorded = journal ? journal->Position() : 0;
    // Every object element, listed or not: a user object that a standard one hides is still
    // recalculated in its own file.
    for (QODOM_ELEMENT element : LevelElements(file, kLevelCount)) {
      ++result.objects;
      const CTavoObj object(element, file == handler.UserFile());  // recalculates
      if (object.wroteBack)
        ++result.changed;
    }
    for (RecalculatedValue& value : RecalculatedValues(QODOM_GetDocument(file), recorded)) {
      result.values.push_back(std::move(value));
      result.inUserFile.push_back(file == handler.UserFile());
    }
    if (!save || QODOM_GetFingerPrint(file) == before)
      continue;
    std::string error;
    if (handler.SaveUnlessChangedOnDisk(file, nullptr, error) != CTavoHandler::SaveOutcome::kSaved)
      result.errors.push_back(error);
  }
  return result;
}
