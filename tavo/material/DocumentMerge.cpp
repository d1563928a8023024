#include "tavo/material/DocumentMerge.h"

#include "tavo/material/TavoObj.h"
#include "tavo/material/Vocabulary.h"

#include <algorithm>
#include <set>
#include <unordered_set>

using namespace vocabulary;

namespace {

using Text = std::optional<std::string>;

MergeStep AttributeStep(QODOM_ELEMENT target, const std::string& attribute, const Text& text)
{
  return text ? MergeStep{MergeStep::kSetAttribute, target, attribute, *text, 0}
              : MergeStep{MergeStep::kDeleteAttribute, target, attribute, {}, 0};
}

Text Summary(const TreeElement* element)
{
  return element ? Text(AttributesText(element->attributes)) : std::nullopt;
}

// A property's value that follows from its formula on both sides: recalculation decides it.
bool IsDerivedValue(const std::string& attribute, const TreeElement& ours, const TreeElement& theirs)
{
  return attribute == kWert01 && ours.key.tag == kEigenschaft && !AttributeOf(ours, kFormel).value_or("").empty() &&
         !AttributeOf(theirs, kFormel).value_or("").empty();
}

class CMerger {
 public:
  explicit CMerger(MergePlan& plan) : m_plan(plan) {}

  // `base` is null when both sides added the element.
  void Element(const TreeElement* base, const TreeElement& ours, const TreeElement& theirs)
  {
    Attributes(base, ours, theirs);
    for (const TreeElement& child : ours.children) {
      m_path.push_back(child.key);
      const TreeElement* was = base ? base->Child(child.key) : nullptr;
      if (const TreeElement* other = theirs.Child(child.key))
        Element(was, child, *other);
      else if (was && SameContent(*was, child))
        m_plan.steps.push_back({MergeStep::kDeleteElement, child.element, {}, {}, 0});
      else if (was)
        Conflict({}, Summary(was), Summary(&child), std::nullopt,
                 {{MergeStep::kDeleteElement, child.element, {}, {}, 0}});
      m_path.pop_back();
    }
    for (const TreeElement& child : theirs.children) {
      if (ours.Child(child.key))
        continue;
      m_path.push_back(child.key);
      const TreeElement* was = base ? base->Child(child.key) : nullptr;
      const MergeStep copy{MergeStep::kAddCopy, ours.element, {}, {}, child.element};
      if (!was)
        m_plan.steps.push_back(copy);
      else if (!SameContent(*was, child))
        Conflict({}, Summary(was), std::nullopt, Summary(&child), {copy});
      m_path.pop_back();
    }
  }

 private:
  void Attributes(const TreeElement* base, const TreeElement& ours, const TreeElement& theirs)
  {
    std::set<std::string> names;
    for (const TreeElement* element : {base, &ours, &theirs})
      if (element)
        for (const auto& [name, text] : element->attributes)
          names.insert(name);
    for (const std::string& name : names) {
      const Text was = base ? AttributeOf(*base, name) : std::nullopt;
      const Text mine = AttributeOf(ours, name), other = AttributeOf(theirs, name);
      if (mine == other || other == was)
        continue;
      if (mine == was)
        m_plan.steps.push_back(AttributeStep(ours.element, name, other));
      else if (IsDerivedValue(name, ours, theirs))
        m_plan.recalculate.push_back(ours.element);
      else
        Conflict(name, was, mine, other, {AttributeStep(ours.element, name, other)});
    }
  }

  void Conflict(const std::string& attribute, Text base, Text ours, Text theirs, std::vector<MergeStep> steps)
  {
    m_plan.conflicts.push_back(
        {m_path, attribute, std::move(base), std::move(ours), std::move(theirs), std::move(steps)});
  }

  MergePlan& m_plan;
  ElementPath m_path;
};

// Carries the step out; returns the element below which objects may have changed.
QODOM_ELEMENT Apply(const MergeStep& step)
{
  switch (step.kind) {
    case MergeStep::kSetAttribute: QODOM_SetString(step.target, step.attribute.c_str(), step.text.c_str()); break;
    case MergeStep::kDeleteAttribute: QODOM_DeleteAttr(step.target, step.attribute.c_str()); break;
    case MergeStep::kDeleteElement: {
      // Only a removed property changes the values of what stays: its object's or level's.
      const QODOM_ELEMENT parent =
          QODOM_GetTagName(step.target) == std::string(kEigenschaft) ? QODOM_GetParentElement(step.target) : 0;
      QODOM_DeleteElement(step.target);
      return parent;
    }
    case MergeStep::kAddCopy: {
      const QODOM_ELEMENT copy = QODOM_AddChildElement(step.target, QODOM_GetTagName(step.source));
      QODOM_CloneElementTree(step.source, copy);
      return copy;
    }
  }
  return step.target;
}

// The objects whose values may follow from the element: the object it lies in, or, above object
// level, every object below it. Objects do not nest.
void CollectObjects(QODOM_ELEMENT element, std::unordered_set<QODOM_ELEMENT>& objects, bool up = true)
{
  if (up && QODOM_GetTagName(element) == std::string(kEigenschaft))
    element = QODOM_GetParentElement(element);  // a property belongs to the level that holds it
  for (QODOM_ELEMENT above = element; up && above; above = QODOM_GetParentElement(above))
    if (QODOM_GetTagName(above) == std::string(kObjekt)) {
      objects.insert(above);
      return;
    }
  for (QODOM_ELEMENT child = QODOM_GetFirstChildElement(element); child; child = QODOM_GetNextSiblingElement(child))
    if (QODOM_GetTagName(child) == std::string(kObjekt))
      objects.insert(child);
    else if (QODOM_GetTagName(child) != std::string(kEigenschaft))
      CollectObjects(child, objects, false);
}

// The objects in document order, the order in which their recalculations write: a formula row
// above object level keeps what the last object below it computed.
std::vector<QODOM_ELEMENT> InDocumentOrder(const std::unordered_set<QODOM_ELEMENT>& objects)
{
  std::vector<QODOM_ELEMENT> ordered;
  if (objects.empty())
    return ordered;
  QODOM_ELEMENT root = *objects.begin();
  while (const QODOM_ELEMENT up = QODOM_GetParentElement(root))
    root = up;
  std::vector<QODOM_ELEMENT> pending{root};
  while (!pending.empty() && ordered.size() < objects.size()) {
    const QODOM_ELEMENT element = pending.back();
    pending.pop_back();
    if (objects.count(element)) {
      ordered.push_back(element);
      continue;  // objects do not nest
    }
    const std::size_t first = pending.size();
    for (QODOM_ELEMENT child = QODOM_GetFirstChildElement(element); child; child = QODOM_GetNextSiblingElement(child))
      pending.push_back(child);
    std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(first), pending.end());
  }
  return ordered;
}

}  // namespace

std::string AncestorProblem(const TreeElement& base, const TreeElement& ours, const TreeElement& theirs)
{
  if (base.key.tag != ours.key.tag || base.key.tag != theirs.key.tag)
    return "the root elements differ (BASE <" + base.key.tag + ">, OURS <" + ours.key.tag + ">, THEIRS <" +
           theirs.key.tag + ">): they are no versions of one file";
  bool shared = base.children.empty();
  for (const TreeElement& child : base.children)
    shared = shared || ours.Child(child.key) || theirs.Child(child.key);
  return shared ? "" : "BASE shares no element with OURS or THEIRS: it is no ancestor of them";
}

MergePlan PlanMerge(const TreeElement& base, const TreeElement& ours, const TreeElement& theirs)
{
  MergePlan plan;
  CMerger(plan).Element(&base, ours, theirs);
  return plan;
}

int ApplyMerge(const MergePlan& plan, const std::vector<bool>& takeTheirs)
{
  std::vector<MergeStep> steps = plan.steps;
  for (std::size_t n = 0; n < plan.conflicts.size() && n < takeTheirs.size(); ++n)
    if (takeTheirs[n])
      steps.insert(steps.end(), plan.conflicts[n].theirsSteps.begin(), plan.conflicts[n].theirsSteps.end());
  std::vector<QODOM_ELEMENT> changed = plan.recalculate;
  for (const MergeStep& step : steps)
    changed.push_back(Apply(step));
  std::unordered_set<QODOM_ELEMENT> objects;
  for (QODOM_ELEMENT element : changed)
    if (element)
      CollectObjects(element, objects);
  int recalculated = 0;
  for (QODOM_ELEMENT object : InDocumentOrder(objects))
    recalculated += CTavoObj(object, true).wroteBack ? 1 : 0;
  return recalculated;
}
