#include "tavo/material/ScriptedEdits.h"

#include "tavo/material/ObjectActions.h"
#include "tavo/material/PropertyRows.h"
#include "tavo/material/Recalculation.h"
#include "tavo/material/TavoObj.h"
#include "tavo/text/NumberText.h"

#include <algorithm>

namespace {

ObjectPath ToObjectPath(const CMaterialPath& path)
{
  using L = CMaterialPath::Level;
  return {path.Name(L::kKategorie), path.Name(L::kUnterkategorie), path.Name(L::kNorm), path.Name(L::kObjekt)};
}

// The object at the path (an old steel name in `path` becomes the current one), or a refusal.
std::optional<CTavoObj> Find(CTavoHandler& handler, ObjectPath& path, EditOutcome& outcome)
{
  CTavoObj object;
  handler.GetObj(object, path.kat, path.ukat, path.norm, path.objekt);
  if (object.objectElement)
    return object;
  outcome.error = "no object " + CMaterialPath({path.kat, path.ukat, path.norm, path.objekt}).Text();
  return std::nullopt;
}

// The grid's recomputation after an edit: every row a variable, rows further down overriding rows
// above, every formula row's value written as the grid shows it.
void RecomputeRows(PropertyRows& rows)
{
  ShortNameTexts values, formulas;
  for (int r = 0; r < rows.Count(); ++r) {
    values[rows.kurzname[r]] = StoredValueText(rows.wert[0][r]);
    if (rows.formulaFlags[r] && !rows.formel[r].empty())
      formulas[rows.kurzname[r]] = rows.formel[r];
  }
  const ShortNameTexts computed = RecalculateValues(values, formulas);
  for (int r = 0; r < rows.Count(); ++r)
    if (rows.formulaFlags[r] && !rows.formel[r].empty())
      rows.wert[0][r] = FormatGridValue(ReadLeadingDouble(computed.at(rows.kurzname[r])));
}

}  // namespace

std::optional<Assignment> ReadAssignment(const std::string& text)
{
  const auto equals = text.find('=');
  if (equals == std::string::npos || equals == 0)
    return std::nullopt;
  return Assignment{text.substr(0, equals), text.substr(equals + 1)};
}

EditOutcome SetProperties(CTavoHandler& handler, const CMaterialPath& where, const std::vector<Assignment>& assignments,
                          bool formula, bool qorMode)
{
  EditOutcome outcome;
  ObjectPath path = ToObjectPath(where);
  const std::optional<CTavoObj> object = Find(handler, path, outcome);
  if (!object)
    return outcome;
  if (!CanEdit(qorMode, object->inUserFile && !formula)) {
    outcome.error = formula ? "formulas can be changed in the QOR mode only (--qormode)"
                            : "the object belongs to the standard file: only the QOR mode (--qormode) changes it";
    return outcome;
  }
  PropertyRows rows;
  const std::vector<QODOM_ELEMENT> elements = LoadPropertyRows(*object, rows);
  for (const Assignment& assignment : assignments) {
    const auto row = std::find(rows.kurzname.begin(), rows.kurzname.end(), assignment.kurzname);
    if (row == rows.kurzname.end()) {
      outcome.error = "the object has no property " + assignment.kurzname;
      return outcome;
    }
    const auto r = row - rows.kurzname.begin();
    if (formula) {
      rows.formel[r] = assignment.text;
      rows.formulaFlags[r] = assignment.text.empty() ? 0 : 1;
    } else if (rows.formulaFlags[r]) {
      outcome.error = assignment.kurzname + " is computed by its formula; set the formula (--formula) instead";
      return outcome;
    } else {
      rows.wert[0][r] = StoredValueText(assignment.text);
    }
  }
  RecomputeRows(rows);
  StorePropertyRows(rows, elements);
  handler.ForgetCurrentObject();
  Find(handler, path, outcome);  // the editor looks the stored object up again, and recalculates it
  return outcome;
}

EditOutcome CopyObjectAs(CTavoHandler& handler, const CMaterialPath& where, const std::string& newName, bool qorMode,
                         bool intoUserFile)
{
  EditOutcome outcome;
  ObjectPath path = ToObjectPath(where);
  if (!Find(handler, path, outcome))
    return outcome;
  const std::vector<std::string> names = handler.ListLevel({path.kat, path.ukat, path.norm});
  if (newName.empty() || std::find(names.begin(), names.end(), newName) != names.end()) {
    outcome.error = newName.empty() ? "the new name is empty" : "the name " + newName + " exists already";
    return outcome;
  }
  const CopyTarget target{newName, std::to_string(ProposedCopyPriority(handler, path, names)),
                          !qorMode || intoUserFile};
  if (!CopyObject(handler, path, target))
    outcome.error = std::string("the ") + (target.intoUserFile ? "user" : "standard") + " file is not open";
  return outcome;
}

EditOutcome DeleteObjectAt(CTavoHandler& handler, const CMaterialPath& where, bool qorMode)
{
  EditOutcome outcome;
  ObjectPath path = ToObjectPath(where);
  if (!Find(handler, path, outcome))
    return outcome;
  if (!MayDelete(handler, path, qorMode)) {
    outcome.error = "the object belongs to the standard file: only the QOR mode (--qormode) deletes it";
    return outcome;
  }
  DeleteObject(handler, path);
  return outcome;
}

EditOutcome SetPriorityAt(CTavoHandler& handler, const CMaterialPath& where, const std::string& priorityText,
                          bool qorMode)
{
  EditOutcome outcome;
  ObjectPath path = ToObjectPath(where);
  if (!Find(handler, path, outcome))
    return outcome;
  const std::optional<int> priority = ReadPriorityText(priorityText);
  if (!qorMode)
    outcome.error = "priorities can be changed in the QOR mode only (--qormode)";
  else if (!priority)
    outcome.error = "not a priority: \"" + priorityText + "\"";
  else
    SetObjectPriority(handler, path, *priority);
  return outcome;
}
