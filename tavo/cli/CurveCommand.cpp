// tavo curve PATH [--law NAME] [--points N] [--csv|--json|--svg FILE]: the stress-strain curves of
// one object, as points or as a picture. Drawing reads the object and never changes a file.

#include "tavo/cli/Commands.h"
#include "tavo/cli/Database.h"
#include "tavo/material/CurveSvg.h"
#include "tavo/material/MaterialPath.h"
#include "tavo/material/StressStrainLaws.h"
#include "tavo/material/TavoObj.h"
#include "tavo/text/NumberText.h"

#include <QSaveFile>
#include <nlohmann/json.hpp>

#include <iostream>

namespace {

struct CurveOptions {
  std::string path;
  std::string law;
  int points = 60;
  bool csv = false;
  bool json = false;
  std::string svgFile;
};

std::string ProblemText(const ParameterProblem& problem)
{
  switch (problem.kind) {
    case ParameterProblem::kMissing: return problem.name + " is missing";
    case ParameterProblem::kNotANumber: return problem.name + " is not a number: \"" + problem.text + "\"";
    case ParameterProblem::kNotPositive: return problem.name + " is not positive: " + problem.text;
    case ParameterProblem::kUnknownUnit: return problem.name + " has a unit that cannot be converted: " + problem.text;
    case ParameterProblem::kNoCurve: return "its parameters give no finite curve";
  }
  return problem.name;
}

std::string PrintCsv(const std::vector<StressStrainCurve>& curves)
{
  std::string text = "law,strain_permille,stress_N_per_mm2\n";
  for (const StressStrainCurve& curve : curves)
    for (const CurvePoint& point : curve.points)
      text += std::string(curve.law->id) + "," + FormatG17(point.strain) + "," + FormatG17(point.stress) + "\n";
  return text;
}

std::string PrintJson(const std::string& path, const std::vector<StressStrainCurve>& curves)
{
  nlohmann::ordered_json json;
  json["path"] = path;
  json["strainUnit"] = "‰";
  json["stressUnit"] = "N/mm²";
  json["curves"] = nlohmann::ordered_json::array();
  for (const StressStrainCurve& curve : curves) {
    nlohmann::ordered_json entry;
    entry["law"] = curve.law->id;
    entry["title"] = curve.law->title;
    entry["points"] = nlohmann::ordered_json::array();
    for (const CurvePoint& point : curve.points)
      entry["points"].push_back({point.strain, point.stress});
    entry["marks"] = nlohmann::ordered_json::array();
    for (const CurveMark& mark : curve.marks)
      entry["marks"].push_back({{"label", mark.label}, {"strain", mark.strain}, {"stress", mark.stress}});
    if (curve.reference)
      entry["reference"] = {{"label", curve.reference->label}, {"stress", curve.reference->stress}};
    json["curves"].push_back(entry);
  }
  return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

// Writes the text to the file ("-": standard output); false after a message naming the reason.
bool Write(const std::string& file, const std::string& text)
{
  if (file == "-") {
    std::cout << text;
    return true;
  }
  QSaveFile out(QString::fromStdString(file));
  if (out.open(QIODevice::WriteOnly) && out.write(text.data(), qint64(text.size())) == qint64(text.size()) &&
      out.commit())
    return true;
  std::cerr << "tavo: cannot write " << file << ": " << out.errorString().toStdString() << "\n";
  return false;
}

int RunCurve(const CliOptions& options, const CurveOptions& curve)
{
  std::string error;
  const std::optional<CMaterialPath> path = CMaterialPath::Parse(curve.path, &error);
  if (!path || !path->NamesObject()) {
    std::cerr << "tavo curve: " << (path ? "the path names no object: KAT/UKAT/NORM/OBJEKT" : error) << "\n";
    return kExitUsage;
  }
  const StressStrainLaw* chosen = nullptr;
  if (!curve.law.empty() && !(chosen = FindStressStrainLaw(curve.law))) {
    std::cerr << "tavo curve: no law " << curve.law << "; the laws are:";
    for (const StressStrainLaw& law : StressStrainLaws())
      std::cerr << " " << law.id;
    std::cerr << "\n";
    return kExitUsage;
  }

  const auto handler = OpenDatabase(options);
  if (!handler)
    return kExitFileError;
  using L = CMaterialPath::Level;
  std::string objekt = path->Name(L::kObjekt);  // an old steel name comes back as the current one
  CTavoObj object;
  handler->GetObj(object, path->Name(L::kKategorie), path->Name(L::kUnterkategorie), path->Name(L::kNorm), objekt);
  if (!object.objectElement) {
    std::cerr << "tavo: no object " << curve.path << "\n";
    return kExitFailed;
  }

  const CMaterialParameters parameters = CMaterialParameters::FromObject(object);
  const std::vector<const StressStrainLaw*> laws =
      chosen ? std::vector<const StressStrainLaw*>{chosen} : LawsOfKinds(parameters);
  if (laws.empty()) {
    std::cerr << "tavo: no stress-strain law applies to " << curve.path << " (it has none of fck, fyk, fy)\n";
    return kExitFailed;
  }
  std::vector<StressStrainCurve> curves;
  for (const StressStrainLaw* law : laws) {
    DrawnLaw drawn = DrawLaw(*law, parameters, curve.points);
    if (drawn.curve)
      curves.push_back(std::move(*drawn.curve));
    else
      std::cerr << "tavo: cannot draw " << law->id << ": " << ProblemText(drawn.problem) << "\n";
  }
  if (curves.empty())
    return kExitFailed;

  if (!curve.svgFile.empty())
    return Write(curve.svgFile, CurvesSvg(curves, objekt)) ? kExitOk : kExitFailed;
  std::cout << (curve.json ? PrintJson(path->Text(), curves) : PrintCsv(curves));
  return kExitOk;
}

}  // namespace

void AddCurveCommand(CLI::App& app, const CliOptions& options, int& status)
{
  auto* command = app.add_subcommand("curve", "Print or draw the stress-strain curves of one object");
  auto curve = std::make_shared<CurveOptions>();
  command->add_option("path", curve->path, "KAT/UKAT/NORM/OBJEKT, e.g. Beton/Normalbeton/EC2/C30/37")->required();
  command->add_option("--law", curve->law, "Only this law (default: every law of the object's kind)");
  command->add_option("--points", curve->points, "Equally spaced points per curve, besides the marked ones")
      ->check(CLI::Range(2, 1000000));
  auto* csv = command->add_flag("--csv", curve->csv, "Print law, strain in ‰ and stress in N/mm² (the default)");
  auto* json = command->add_flag("--json", curve->json, "Print the curves with their marked points as JSON");
  auto* svg = command->add_option("--svg", curve->svgFile, "Write the diagram as SVG to FILE (-: standard output)");
  csv->excludes(json)->excludes(svg);
  json->excludes(svg);
  command->callback([&options, &status, curve] { status = RunCurve(options, *curve); });
}
