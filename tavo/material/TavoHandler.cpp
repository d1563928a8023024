#include "tavo/material/TavoHandler.h"

#include "tavo/outside/QODOMJournal.h"

#include "tavo/material/MaterialLibrary.h"
#include "tavo/material/PriorityList.h"
#include "tavo/material/Vocabulary.h"
#include "tavo/outside/DocumentBase.h"
#include "tavo/outside/QOTAVO.h"
#include "tavo/shell/StartupLog.h"
#include "tavo/text/NumberText.h"

#include <algorithm>
#include <limits>

using namespace vocabulary;

namespace {

constexpr int kStandard = 0;
constexpr int kUser = 1;

// Every child of each parent whose Name is `name`.
std::vector<QODOM_ELEMENT> ChildrenNamed(const std::vector<QODOM_ELEMENT>& parents, const std::string& name)
{
  std::vector<QODOM_ELEMENT> children;
  for (QODOM_ELEMENT parent : parents)
    for (QODOM_ELEMENT child = QODOM_FindFirstChildWithAttr(parent, kName, name.c_str()); child;
         child = QODOM_FindNextChildWithAttr(child, kName, name.c_str()))
      children.push_back(child);
  return children;
}

// The priority as QODOM_GetInt reads it, from the text already at hand.
int PriorityOf(const char* text)
{
  return static_cast<int>(
      std::clamp<int64_t>(ReadLeadingInteger(text), std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

// --- construction ---

CTavoHandler::CTavoHandler() : CTavoHandler(StartupLogPath()) {}

CTavoHandler::CTavoHandler(const std::string& logPath)
{
  UseStoredAngleUnit();
  WriteStartupLog(logPath, "CTavoHandler():110");
  OpenFile(kStandard);
  m_objectKey.clear();
  WriteStartupLog(logPath, "CTavoHandler():115");
  EnsureUserOpen(true);
  WriteStartupLog(logPath, "CTavoHandler():117");
}

CTavoHandler::CTavoHandler(QODOM_ELEMENT standardFile, QODOM_ELEMENT userFile)
{
  UseStoredAngleUnit();
  m_files[kStandard] = standardFile;
  m_files[kUser] = userFile;
}

CTavoHandler::~CTavoHandler()
{
  CloseFile(kStandard);
  CloseFile(kUser);
  m_currentObj = CTavoObj();
}

// --- opening and closing ---

void CTavoHandler::SetTrestle64(bool trestle64)
{
  m_trestle64 = trestle64;
}

void CTavoHandler::EnsureStandardOpen(bool open)
{
  EnsureOpen(kStandard, open);
}

void CTavoHandler::EnsureUserOpen(bool open)
{
  EnsureOpen(kUser, open);
}

void CTavoHandler::EnsureOpen(int index, bool open)
{
  // With trestle64 the user file is closed and opened again on every request.
  const bool reopen = index == kUser && m_trestle64;
  if (!reopen && open == (m_files[index] != 0))
    return;
  CloseFile(index);
  if (open)
    OpenFile(index);
  m_objectKey.clear();
}

void CTavoHandler::OpenFile(int index)
{
  m_files[index] = index == kStandard ? QOTAVO_OpenStandard() : QOTAVO_OpenUser(m_trestle64 ? 1 : 0);
  m_openErrors[index] = QOTAVO_LastError();
}

void CTavoHandler::CloseFile(int index)
{
  if (m_files[index]) {
    QODOM_ForgetBase(QODOM_GetDocument(m_files[index]));
    QOTAVO_Close(m_files[index]);
  }
  m_files[index] = 0;
}

bool CTavoHandler::SaveFile(QODOM_ELEMENT file) const
{
  const QODOM_DOCUMENT document = QODOM_GetDocument(file);
  if (!QODOM_SaveDoc(document))
    return false;
  if (QODOM_GetBase(document))  // a kept base is now what was saved
    QODOM_RememberBase(document);
  return true;
}

CTavoHandler::SaveOutcome CTavoHandler::SaveUnlessChangedOnDisk(
    QODOM_ELEMENT file, const std::function<bool(const std::string& path)>& overwrite, std::string& error) const
{
  // The save itself finds a change by someone else, under the file's lock and once more just
  // before the file is replaced; only such a change is offered for overwriting.
  const QODOM_DOCUMENT document = QODOM_GetDocument(file);
  if (QODOM_SaveDoc(document))
    return SaveOutcome::kSaved;
  if (QODOM_LastSaveFoundChange()) {
    if (!(overwrite && overwrite(QODOM_GetPath(document)))) {
      error = QODOM_LastSaveError();
      return SaveOutcome::kChangedOnDisk;
    }
    if (QODOM_SaveDocOverwriting(document))
      return SaveOutcome::kSaved;
  }
  error = QODOM_LastSaveError();
  return SaveOutcome::kFailed;
}

// --- lists ---

std::vector<QODOM_ELEMENT> CTavoHandler::SearchedFiles() const
{
  std::vector<QODOM_ELEMENT> files;
  for (const QODOM_ELEMENT* file = m_files; *file; ++file)
    files.push_back(*file);
  return files;
}

std::vector<QODOM_ELEMENT> CTavoHandler::FindLevelElements(QODOM_ELEMENT root,
                                                           const std::vector<std::string>& names) const
{
  std::vector<QODOM_ELEMENT> elements{root};
  for (const std::string& name : names)
    elements = ChildrenNamed(elements, name);
  return elements;
}

namespace {

// The entries with the given tag under the level elements of every searched file.
template <typename Visit>
void ForEachEntry(const CTavoHandler& handler, const std::vector<std::string>& path, const char* tag, Visit visit)
{
  for (QODOM_ELEMENT file : handler.SearchedFiles())
    for (QODOM_ELEMENT parent : handler.FindLevelElements(file, path))
      for (QODOM_ELEMENT entry : QODOM_GetChildren(parent, tag))
        visit(entry);
}

}  // namespace

std::vector<std::string> CTavoHandler::ListLevel(const std::vector<std::string>& names) const
{
  if (names.size() < 3) {
    LevelListBuilder builder;
    ForEachEntry(*this, names, kLevelElements[names.size()], [&](QODOM_ELEMENT entry) {
      builder.Add(QODOM_GetString(entry, kName), QODOM_GetInt(entry, kPrioritaet));
    });
    return builder.Build();
  }
  ObjectListBuilder builder;
  ForEachEntry(*this, {names[0], names[1], NormalizeNormName(names[2])}, kObjekt, [&](QODOM_ELEMENT entry) {
    const char* priority = QODOM_GetString(entry, kPrioritaet);
    builder.Add(QODOM_GetString(entry, kName), *priority != '\0', PriorityOf(priority));
  });
  return builder.Build();
}

std::string CTavoHandler::NormalizeNormName(const std::string& norm)
{
  if (norm == "DIN 1045-I")
    return "DIN 1045-1";
  return norm;
}
