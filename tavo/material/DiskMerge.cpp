#include "tavo/material/DiskMerge.h"

#include "tavo/material/TavoHandler.h"
#include "tavo/outside/DocumentBase.h"

// --- construction ---

CDiskMerge::CDiskMerge(QODOM_ELEMENT root) : m_ours(root)
{
  const QODOM_DOCUMENT document = QODOM_GetDocument(root);
  const std::string path = QODOM_GetPath(document);
  const std::string* base = QODOM_GetBase(document);
  if (!document || !base) {
    m_error = path + ": the version read at opening was not kept; the file cannot be merged";
    return;
  }
  std::string error;
  if (!QODOM_ReadFileBytes(path, m_theirsBytes, error) || !(m_theirs = QODOM_ParseDoc(m_theirsBytes, path, error))) {
    m_error = error;
    return;
  }
  TreeElement baseTree;
  if (base->empty()) {  // the file did not exist: everything on disk was added by them
    baseTree.key.tag = QODOM_GetTagName(root);
  } else if ((m_base = QODOM_ParseDoc(*base, path, error))) {
    baseTree = ReadTree(m_base);
  } else {
    m_error = error;
    return;
  }
  const TreeElement ours = ReadTree(root), theirs = ReadTree(m_theirs);
  m_error = AncestorProblem(baseTree, ours, theirs);
  if (m_error.empty())
    m_plan = PlanMerge(baseTree, ours, theirs);
  else
    m_error = path + ": " + m_error;
}

CDiskMerge::~CDiskMerge()
{
  QODOM_CloseDoc(m_base);
  QODOM_CloseDoc(m_theirs);
}

// --- public operations ---

bool CDiskMerge::Apply(const std::vector<bool>& takeTheirs)
{
  if (!m_error.empty() || m_applied)
    return false;
  m_applied = true;
  ApplyMerge(m_plan, takeTheirs);
  return QODOM_AdoptDiskBytes(QODOM_GetDocument(m_ours), m_theirsBytes);
}

void RememberBases(const CTavoHandler& handler)
{
  for (QODOM_ELEMENT file : {handler.StandardFile(), handler.UserFile()})
    if (file)
      QODOM_RememberBase(QODOM_GetDocument(file));
}
